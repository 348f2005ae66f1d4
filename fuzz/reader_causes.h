#pragma once

// The causes the readers share, for the fuzz targets' lists of what each reader may end with.
#include "state/failure.h"

namespace fontedit::fuzz {

using state::Cause;

// Reading any C source: its comments, conditions and brackets.
inline constexpr Cause kCSourceCauses[] = {Cause::CommentNotClosed, Cause::ConditionUndecided,
                                           Cause::IfNotClosed, Cause::NestingTooDeep,
                                           Cause::MacrosTooCostly};

// Placing glyphs on the 5x8 cell as X11 fonts are placed, whatever the format.
inline constexpr Cause kCellCauses[] = {Cause::GlyphTooLarge, Cause::DuplicateEncoding,
                                        Cause::NoGlyphInRange, Cause::EncodingsElsewhere};

}  // namespace fontedit::fuzz
