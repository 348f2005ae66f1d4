#include "imported_font.h"

#include <algorithm>

#include "carried_texts.h"
#include "check.h"
#include "formats/own/cell_texts.h"

namespace fontedit::fuzz {
namespace {

// One or two upper-case hex digits with no leading zero, as hexText writes 0-255.
bool isByteCell(const std::string& cell) {
    const auto isDigit = [](char ch) {
        return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F');
    };
    if (cell.empty() || cell.size() > 2 || !std::all_of(cell.begin(), cell.end(), isDigit)) {
        return false;
    }
    return cell.size() == 1 || cell[0] != '0';
}

}  // namespace

void checkImportFailure(const state::Failure& failure,
                        std::initializer_list<std::span<const state::Cause>> causes) {
    // Every import shares the cap on what it holds: a table declared wider than that is
    // refused as too large, as a file beyond it is.
    bool known = failure.cause() == state::Cause::FileTooLarge;
    for (const std::span<const state::Cause> list : causes) {
        known = known || std::find(list.begin(), list.end(), failure.cause()) != list.end();
    }
    require(known, "an import fails only with a cause its reader may end with");
}

void checkImportedFont(const formats::ImportedFont& font) {
    for (const auto& cells : font.data.cells) {
        for (const std::string& cell : cells) {
            require(isByteCell(cell), "every imported cell is a byte as the editor writes it");
        }
    }
    for (const std::string& label : font.data.labels) {
        require(formats::keepsItsPlaceAsLabel(label) && survivesCp932(label),
                "every imported label comes back the same through Save and Read");
    }
}

}  // namespace fontedit::fuzz
