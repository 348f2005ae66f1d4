#pragma once

// What the display libraries' fonts of the sample font take in flash: the bytes of the array
// each export declares, printed once as "core-size-u8g2 fontedit 1183", since a size does not
// vary from run to run.
#include "state/font_data.h"

namespace fontedit::bench {

// The sample font of examples/ascii, as the editor reads it.
state::FontData sampleFont();

void reportExportSizes();

}  // namespace fontedit::bench
