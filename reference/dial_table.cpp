// Korvalin dial tester - the table of known dials.
#include "reference/dial_table.h"

#include "platform/catalogue.h"

namespace kvl {

std::vector<std::string> splitDialRow(std::string_view rowText) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = rowText.find('\n', start);
        if (end == std::string_view::npos) {
            cells.emplace_back(rowText.substr(start));
            break;
        }
        cells.emplace_back(rowText.substr(start, end - start));
        start = end + 1;
    }
    // A row text is never cut: cells beyond the seventh would be a fault of
    // the data and stay visible in a test, but the list gets one per column.
    if (cells.size() < dialColumns.size()) cells.resize(dialColumns.size());
    return cells;
}

void fillDialTable(Controls &controls) {
    for (int row = 0; row <= dialRowLast; ++row)
        controls.addListRow(ctl::dialTable, splitDialRow(dialRows[row]));
}

}  // namespace kvl
