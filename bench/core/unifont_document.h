#pragma once

// Unifont as a general font's document: its BDF file (from Debian's PCF through pcf2bdf) opened,
// saved after one dot, and the heap the open document holds against the file's size, printed as
// "unifont-open fontedit 0.2" and so on.
namespace fontedit::bench {

void reportUnifontDocument();

}  // namespace fontedit::bench
