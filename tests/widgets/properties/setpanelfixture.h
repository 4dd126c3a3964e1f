#pragma once

// Shared by the tests of the pages of 18 sets (joint ranges, custom speed)
// and of the point dialog: joints, watched points and the live screens.

#include "imagecells.h"
#include "panelfixture.h"
#include "parameter/parameterimage.h"
#include "widgets/combobox.h"
#include "widgets/submenutable.h"

#include <QTableWidget>
#include <QtTest>

// The page's combo box that offers the text.
inline ComboBox* comboWith(const QWidget* panel, const QString& text)
{
    for (ComboBox* box : panel->findChildren<ComboBox*>())
        if (box->findText(text) >= 0)
            return box;
    return nullptr;
}

// Joints 1 to 6 belong to the robot and turn (degrees), 7 and 8 to
// Device1 and slide (millimetres); the others to nothing.
inline void assignRobotAndDevice(ParameterImage& image)
{
    for (int joint = 0; joint < 18; ++joint) {
        setI16(image, "Assignment", 0, joint, joint < 6 ? 1 : joint < 8 ? 2 : 0);
        setI16(image, "AxisType", 0, joint, joint < 6 ? 2 : 1);
    }
}

// The set watches arm points 1 and 3 (word 1), point 2 and a bit above the
// limit (word 2), tool 1's points 1, 2 and its 21st bit, and only a bit
// above the limit on tool 2.
inline void watchPoints(ParameterImage& image, int set)
{
    const FieldDef& arm = fieldNamed("UsrSpeedArmValid");
    const FieldDef& tools = fieldNamed("UsrSpeedToolValid");
    QVERIFY(image.setI32(arm, set, 0, 0x5) && image.setI32(arm, set, 1, 0x100002));
    QVERIFY(image.setI32(tools, set, 0, 0x100003) &&
            image.setI32(tools, set, 1, qint32(0x80000000)));
}

// The largest point lists the dialog can meet: every bit of every word of
// the set, on the arm and on all 32 tools, set.
inline void watchEveryPoint(ParameterImage& image, int set)
{
    const FieldDef& arm = fieldNamed("UsrSpeedArmValid");
    const FieldDef& tools = fieldNamed("UsrSpeedToolValid");
    for (int word = 0; word < arm.columns; ++word)
        QVERIFY(image.setI32(arm, set, word, -1));
    for (int tool = 0; tool < tools.columns; ++tool)
        QVERIFY(image.setI32(tools, set, tool, -1));
}

// A live status screen greys the row of a disabled set and follows the
// page's Apply, not its unapplied edit.
template <class Screen>
void verifyScreenFollowsApply(const QWidget* panel, SubMenuTable* sets, int set, int row)
{
    Screen screen;
    screen.show();
    const QTableWidget* table = screen.table();
    QVERIFY(!(table->item(row, 0)->flags() & Qt::ItemIsEnabled));
    emit sets->table()->cellClicked(set, 1);
    QVERIFY(!(table->item(row, 0)->flags() & Qt::ItemIsEnabled));
    barButton(panel, 0)->click();
    QVERIFY(table->item(row, 0)->flags() & Qt::ItemIsEnabled);
}
