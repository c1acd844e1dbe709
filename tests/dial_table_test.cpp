// Korvalin dial tester tests - the table of known dials.
#include <gtest/gtest.h>

#include "platform/catalogue.h"
#include "reference/dial_table.h"
#include "tests/support/fake_platform.h"

namespace kvl {
namespace {

using Row = std::vector<std::string>;

// What the list must show, cell by cell, as a user reads it.
const std::vector<Row> expectedRows = {
    {"", "", "", "", "", "", ""},
    {"W48/W49", "", "ge", "-", "ws", "br+gn", ""},
    {"W58/W61/W62/W63a", "FWN", "ws", "-", "gn", "br", ""},
    {"T65s", "Tesla", "ge", "-", "ws", "gn", "br frei lassen"},
    {"Variant", "FWN", "br", "-", "gn", "ws", "NS hat keinen nsr"},
    {"W38", "", "ge", "-", "ws", "br+gn", ""},
    {"W28", "", "ge", "-", "ws", "gn", ""},
    {"ZB/SA19", "", "gn", "-", "bl", "rt", ""},
};

class DialTable : public ::testing::Test {
protected:
    void SetUp() override {
        fake.controls.createList(ctl::dialTable, Rect{10, 225, 1200, 205}, Rgb{2, 2, 242},
                                 Rgb{215, 215, 226});
        for (const DialColumn &column : dialColumns)
            fake.controls.addListColumn(ctl::dialTable, std::string(column.title), column.width);
        fillDialTable(fake.controls);
    }
    std::string cell(int row, int column) const {
        return fake.controls.listCell(ctl::dialTable, row, column);
    }
    test::FakePlatform fake;
};

TEST_F(DialTable, ShowsEightRowsCellByCell) {
    ASSERT_EQ(fake.controls.listRowCount(ctl::dialTable), dialRowLast + 1);
    for (int row = 0; row <= dialRowLast; ++row)
        for (int column = 0; column < 7; ++column)
            EXPECT_EQ(cell(row, column), expectedRows[row][column])
                << "row " << row << ", column " << column;
}

TEST_F(DialTable, EveryRowHasExactlyOneCellPerColumn) {
    for (const auto &row : fake.controls.at(ctl::dialTable).rows)
        EXPECT_EQ(row.size(), dialColumns.size());
}

TEST_F(DialTable, RemarksOnlyForT65sAndVariant) {
    std::vector<std::string> remarked;
    for (int row = 0; row <= dialRowLast; ++row)
        if (!cell(row, 6).empty()) remarked.push_back(cell(row, 0));
    EXPECT_EQ(remarked, (std::vector<std::string>{"T65s", "Variant"}));
}

TEST_F(DialTable, NsrReadsDashInEveryFilledRow) {
    for (int row = 1; row <= dialRowLast; ++row) EXPECT_EQ(cell(row, 3), "-") << "row " << row;
}

TEST(DialColumns, TitlesAndWidths) {
    const std::vector<std::pair<std::string, int>> expected = {
        {"Fernsprechapparat/Nummernschalter", 300},
        {"Hersteller", 200},
        {"nsi", 50},
        {"nsr", 50},
        {"nsa", 50},
        {"RTS", 100},
        {"Bemerkungen und Besonderheiten", 430},
    };
    ASSERT_EQ(dialColumns.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(std::string(dialColumns[i].title), expected[i].first) << "column " << i;
        EXPECT_EQ(dialColumns[i].width, expected[i].second) << "column " << i;
    }
}

TEST(SplitDialRow, KeepsEmptyCellsAndGivesOnePerColumn) {
    const struct {
        const char *text;
        Row cells;
    } cases[] = {
        {"", {"", "", "", "", "", "", ""}},
        {"a\nb", {"a", "b", "", "", "", "", ""}},
        {"a\n\nc\n", {"a", "", "c", "", "", "", ""}},
        {"1\n2\n3\n4\n5\n6\n7", {"1", "2", "3", "4", "5", "6", "7"}},
        // more cells than columns are kept, not cut: a data fault must stay visible
        {"1\n2\n3\n4\n5\n6\n7\n8", {"1", "2", "3", "4", "5", "6", "7", "8"}},
    };
    for (const auto &c : cases) EXPECT_EQ(splitDialRow(c.text), c.cells) << "\"" << c.text << "\"";
}

}  // namespace
}  // namespace kvl
