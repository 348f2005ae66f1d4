#pragma once

// Unifont, as Debian's xfonts-unifont installs it, through convert: the whole command beside
// "zcat | pcf2bdf" on the same file, alternating, printed as "convert-unifont-bdf fontedit 0.3"
// and "convert-unifont-bdf baseline 0.3" with the command's peak memory; and each writer of
// convert on the font read once, "convert-unifont-write-WORD fontedit 120" in milliseconds.
namespace fontedit::bench {

void reportUnifontConvert();

}  // namespace fontedit::bench
