#include "variables/variable_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/entry_events.h"
#include "fakes.h"
#include "gbk.h"
#include "variables/variable_editing.h"

namespace qalcor {
namespace {

class VariableTableTest : public ::testing::Test, public VariableDialogHost {
  protected:
    VariableTableTest() {
        entry.onChanged = [this] { onEntryTextChanged(session, entry, result); };
    }
    // What the window does: a new dialog at every opening, then its created event.
    void openVariableDialog() override {
        ++openings;
        dialog = FakeDialog{};
        editor.onDialogCreated(dialog);
    }
    void add(const std::string& name, const std::string& value) {
        editor.onAddClicked();
        dialog.name = name;
        dialog.value = value;
        editor.onConfirm(dialog);
    }
    void modifyRow(int row, const std::string& name, const std::string& value) {
        list.selected = row;
        editor.onModifyClicked();
        dialog.name = name;
        dialog.value = value;
        editor.onConfirm(dialog);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const FakeRow& r : list.rows)
            out.push_back(r.name);
        return out;
    }

    CalculatorSession session;
    FakeEntry entry;
    FakeResult result;
    FakeList list;
    FakeDialog dialog;
    RecordingMessages messages;
    VariableTable table{session, list, entry};
    VariableEditor editor{session, list, *this, messages};
    int openings = 0;
};

TEST_F(VariableTableTest, ConfirmChecksTheNameInOrder) {
    const struct {
        std::vector<std::string> existing;
        int modifiedRow;  // -1: add
        std::string name;
        const char* warning;  // UTF-8, nullptr when accepted
    } cases[] = {
        {{}, -1, "", "名称不能为空"},
        {{"a"}, 0, "", "名称不能为空"},
        {{}, -1, gbk("#已删除#"), "名称输入错误"},
        {{"a"}, 0, gbk("#已删除#"), "名称输入错误"},
        {{"x"}, -1, "X", "名称不能重复"},
        {{"a", "B"}, 0, "b", "名称不能重复"},
        {{"a", "b"}, 1, "A", "名称不能重复"},
        {{"a"}, -1, gbk("x#已删除#"), nullptr},
        {{}, -1, "   ", nullptr},
        {{"abc"}, 0, "abc", nullptr},
        {{"abc"}, 0, "ABC", nullptr},
        {{}, -1, gbk("半径"), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list.rows.clear();
        messages.shown.clear();
        for (const std::string& n : c.existing)
            add(n, "1");
        const auto rowsBefore = names();
        const int countBefore = session.variableStore.count();

        if (c.modifiedRow >= 0) {
            modifyRow(c.modifiedRow, c.name, "2");
        } else {
            add(c.name, "2");
        }

        if (c.warning != nullptr) {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, gbk(c.warning));
            EXPECT_EQ(messages.shown[0].flags, kIconWarning);
            EXPECT_EQ(messages.shown[0].caption, gbk("警告"));
            EXPECT_TRUE(dialog.open);
            EXPECT_EQ(names(), rowsBefore);
            EXPECT_EQ(session.variableStore.count(), countBefore);
            EXPECT_EQ(session.dialogMode, c.modifiedRow >= 0 ? kDialogModifies : kDialogAdds);
        } else {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_FALSE(dialog.open);
            EXPECT_EQ(session.dialogMode, kDialogAdds);
            const int row = c.modifiedRow >= 0 ? c.modifiedRow : list.rowCount() - 1;
            EXPECT_EQ(list.rows[static_cast<std::size_t>(row)].name, c.name);
            const VariableRecord* record =
                session.variableStore.recordAt(list.rows[static_cast<std::size_t>(row)].item);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->name, c.name);
            EXPECT_EQ(record->value, 2.0);
        }
    }
}

TEST_F(VariableTableTest, ValueColumnKeepsTheBoxTextAndTheRecordItsNumber) {
    const struct {
        const char* typed;
        const char* column;
        double value;
    } cases[] = {
        {"", "0", 0.0},     {"1.5", "1.5", 1.5},    {"1.50", "1.50", 1.5},
        {"-2", "-2", -2.0}, {"1e3", "1e3", 1000.0}, {"abc", "abc", 0.0},
    };
    for (const auto& c : cases) {
        list.rows.clear();
        add("v", c.typed);
        ASSERT_EQ(list.rows.size(), 1u) << c.typed;
        EXPECT_EQ(list.rows[0].value, c.column) << c.typed;
        EXPECT_EQ(dialog.value, c.column) << c.typed;
        EXPECT_EQ(session.variableStore.recordAt(list.rows[0].item)->value, c.value) << c.typed;
    }
}

TEST_F(VariableTableTest, ModifyFillsTheDialogAndKeepsTheSlot) {
    add("abc", "1");
    add("q", "2");
    list.rows[0].value = "0.3333333333333";  // as 更新 would have written it
    list.selected = 0;
    editor.onModifyClicked();
    EXPECT_EQ(openings, 3);
    EXPECT_EQ(dialog.name, "abc");
    EXPECT_EQ(dialog.value, "0.3333333333333");
    EXPECT_EQ(session.editedItem, 0);
    EXPECT_EQ(session.editedSlot, 1);

    dialog.name = "ABC";
    editor.onConfirm(dialog);
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(names(), (std::vector<std::string>{"ABC", "q"}));
    EXPECT_EQ(list.rows[0].item, 1);
    EXPECT_EQ(session.variableStore.count(), 2);
    EXPECT_EQ(session.variableStore.recordAt(1)->name, "ABC");
    EXPECT_EQ(session.variableStore.recordAt(1)->value, 0.3333333333333);
}

TEST_F(VariableTableTest, ModifyWithoutSelectionOpensNothing) {
    add("a", "1");
    list.selected = -1;
    session.dialogMode = kDialogAdds;
    editor.onModifyClicked();
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(session.dialogMode, kDialogAdds);
}

TEST_F(VariableTableTest, DeleteTombstonesAndNewRowsTakeNewSlots) {
    add("a", "1");
    add("b", "2");
    list.selected = -1;
    table.onDeleteClicked();
    EXPECT_EQ(list.rows.size(), 2u) << "no row selected: nothing happens";

    list.selected = 0;
    table.onDeleteClicked();
    EXPECT_EQ(names(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(list.rows[0].item, 2);
    EXPECT_EQ(session.variableStore.recordAt(1)->name, deletedMarker);
    EXPECT_EQ(session.variableStore.recordAt(1)->value, 1.0);

    add("a", "3");
    EXPECT_EQ(names(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(list.rows[1].item, 3);
    EXPECT_EQ(session.variableStore.count(), 3);
}

TEST_F(VariableTableTest, UpdateCopiesTheLastSuccessfulAnswer) {
    add("r", "7");
    entry.type("1.5");
    entry.type("/0");  // "Error": ans stays 1.5
    ASSERT_EQ(result.shown, "Error");
    const int changes = entry.changes;
    list.selected = 0;
    ASSERT_TRUE(table.onRightClick());
    table.onUpdateChosen();
    EXPECT_EQ(list.rows[0].value, "1.5");
    EXPECT_EQ(list.rows[0].name, "r");
    EXPECT_EQ(session.variableStore.recordAt(1)->value, 1.5);
    EXPECT_EQ(entry.changes, changes) << "no evaluation follows";
    EXPECT_EQ(result.shown, "Error");
}

TEST_F(VariableTableTest, InsertAndDoubleClickPutTheReferenceInPlaceOfTheSelection) {
    const struct {
        int fresh;
        const char* text;
        int start, length;
        const char* after;
        const char* shown;
        int evaluations;
    } cases[] = {
        {1, "1+2", 3, 0, "var_r", "1.5", 2},
        {0, "2*", 2, 0, "2*var_r", "3", 1},
        {0, "1+2", 0, 3, "var_r", "1.5", 1},
        {0, "1+2", 0, 0, "var_r1+2", "3.51", 1},
    };
    for (int way = 0; way < 2; ++way) {
        for (const auto& c : cases) {
            list.rows.clear();
            add("r", "1.5");
            list.selected = 0;
            entry.setText(c.text);
            entry.setSelection(c.start, c.length);
            session.freshEntry = c.fresh;
            const int changes = entry.changes;
            if (way == 0) {
                table.onInsertChosen();
            } else {
                table.onDoubleClick();
            }
            EXPECT_EQ(entry.text(), c.after) << c.text << " way " << way;
            EXPECT_EQ(result.shown, c.shown) << c.text << " way " << way;
            EXPECT_EQ(entry.changes - changes, c.evaluations) << c.text << " way " << way;
            EXPECT_EQ(session.freshEntry, 0);
        }
    }
}

TEST_F(VariableTableTest, GuardStopsEveryListCommandWithoutSelection) {
    add("r", "1");
    list.selected = -1;
    entry.setText("2*");
    entry.setSelection(2, 0);
    const int changes = entry.changes;
    EXPECT_FALSE(table.onRightClick());
    table.onDoubleClick();
    table.onDeleteClicked();
    EXPECT_EQ(entry.changes, changes);
    EXPECT_EQ(entry.text(), "2*");
    EXPECT_EQ(list.rows.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(VariableTableTest, FindRowIgnoresLetterCase) {
    add("Alpha", "1");
    add(gbk("半径"), "2");
    EXPECT_EQ(findRow(list, "ALPHA"), 0);
    EXPECT_EQ(findRow(list, gbk("半径")), 1);
    EXPECT_EQ(findRow(list, "alph"), -1);
}

}  // namespace
}  // namespace qalcor
