#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "app/core/interfaceutilities.h"
#include "widgets/polishstyle.h"
#include "widgets/submenutable.h"

// Stands in for the application's main window: the table finds it by class
// name and re-fits on its layout request.
class MainWindow : public QWidget
{
    Q_OBJECT
signals:
    void requestLayout();
};

namespace {

QCheckBox* cellBox(SubMenuTable& table, int row, int column)
{
    QWidget* cell = table.table()->cellWidget(row, column);
    return cell ? cell->findChild<QCheckBox*>() : nullptr;
}

void clickCell(SubMenuTable& table, int row, int column)
{
    QTableWidget* t = table.table();
    const QRect rect = t->visualRect(t->model()->index(row, column));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, rect.topLeft() + QPoint(1, 1));
}

} // namespace

class TestSubMenuTable : public QObject
{
    Q_OBJECT

    // Every signal in the order of emission.
    QStringList m_log;
    QStringList taken() { return std::exchange(m_log, {}); }

    // Shows the table and writes down its signals from then on.
    void showAndRecord(SubMenuTable& table)
    {
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        m_log.clear();
        connect(&table, &SubMenuTable::currentIndexChanged, this,
                [this](int i) { m_log << QString("current %1").arg(i); });
        connect(&table, &SubMenuTable::enabledStateChanged, this,
                [this](int s, int i) { m_log << QString("enabled %1 %2").arg(s).arg(i); });
        connect(&table, &SubMenuTable::visibleStateChanged, this,
                [this](int s, int i) { m_log << QString("visible %1 %2").arg(s).arg(i); });
    }

private slots:
    void rowsAreHiddenNotRemoved()
    {
        SubMenuTable table("Set%1", 20, 3, true, true, false, false);
        QCOMPARE(table.currentIndex(), 0);
        table.setEnabledChecked(12, true);
        QVERIFY(table.setRowCount(8));
        QCOMPARE(table.table()->rowCount(), 20);
        for (int r = 0; r < 20; ++r)
            QCOMPARE(table.table()->isRowHidden(r), r >= 8);
        table.setEnabledChecked(12, false); // not in use: ignored
        table.setRowCount(20);
        QVERIFY(!table.table()->isRowHidden(12));
        QVERIFY(table.isEnabledChecked(12));
        table.setRowCount(25);
        QCOMPARE(table.table()->item(24, 0)->text(), QString("Set25"));
        QCOMPARE(table.table()->currentRow(), 0);
        // Rows added later get boxes of their own.
        table.setEnabledChecked(24, true);
        QVERIFY(table.isEnabledChecked(24) && !table.isEnabledChecked(23));
    }

    void clicksEmitInOrder()
    {
        SubMenuTable table("%1", 6, 6, true, true, false, false);
        showAndRecord(table);
        clickCell(table, 3, 1);
        QCOMPARE(taken(), QStringList({"current 3", "enabled 2 3"}));
        QVERIFY(table.isEnabledChecked(3));
        QVERIFY(cellBox(table, 3, 2)->isEnabled());
        QCOMPARE(table.table()->currentColumn(), 0);
        clickCell(table, 1, 2);
        QCOMPARE(taken(), QStringList({"current 1", "visible 2 1"}));

        // Programmatic changes behave like clicks.
        table.setEnabledChecked(3, false);
        QCOMPARE(taken(), QStringList({"current 3", "enabled 0 3"}));
        QVERIFY(!cellBox(table, 3, 2)->isEnabled());
        table.setVisibleChecked(5, true);
        QCOMPARE(taken(), QStringList({"current 5", "visible 2 5"}));
        table.setCurrentRow(5, true); // already current: no signal
        QVERIFY(m_log.isEmpty());
    }

    // Only Up and Down move, within the table; the cell stays in column 0.
    void keysMoveOnlyUpAndDownInsideTheTable()
    {
        QWidget window;
        auto* table = new SubMenuTable("%1", 3, 3, true, true, false, false, &window);
        auto* after = new QLineEdit(&window); // where a Tab would go
        window.show();
        showAndRecord(*table);
        QTableWidget* t = table->table();
        t->setFocus();
        QTest::keyClick(t, Qt::Key_Up);
        QCOMPARE(t->currentRow(), 0);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down})
            QTest::keyClick(t, key);
        QCOMPARE(taken(), QStringList({"current 1", "current 2"})); // the last Down is swallowed
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right})
            QTest::keyClick(t, key);
        QCOMPARE(t->currentRow(), 2);
        QCOMPARE(t->currentColumn(), 0);
        QVERIFY(t->hasFocus() && !after->hasFocus());
        QVERIFY(m_log.isEmpty());

        t->setCurrentCell(1, 2);
        QTest::keyClick(t, Qt::Key_A);
        QCOMPARE(t->currentColumn(), 0);
        QCOMPARE(t->currentRow(), 1);
    }

    void firstNineRowsLocked()
    {
        SubMenuTable table("%1", 11, 11, true, false, false, true);
        showAndRecord(table);
        for (int r = 0; r < 9; ++r) {
            clickCell(table, r, 1);
            QVERIFY(!table.isEnabledChecked(r));
        }
        QVERIFY(m_log.filter("enabled").isEmpty());
        clickCell(table, 9, 1);
        QVERIFY(table.isEnabledChecked(9));
        QCOMPARE(m_log.last(), QString("enabled 2 9"));
    }

    // Without box columns every row counts as checked; rows and columns out
    // of range are ignored.
    void missingColumnsAndBadArguments()
    {
        SubMenuTable table("%1", 4, 2, false, false, true, false);
        QVERIFY(table.table()->isColumnHidden(1) && table.table()->isColumnHidden(2));
        for (int row : {0, 3, -1, 99})
            QVERIFY(table.isEnabledChecked(row) && table.isVisibleChecked(row));
        table.setRowForeground(99, Qt::red);
        table.setRowDisabledLook(-1, true);
        table.setRowHidden(99, true);
        table.setCurrentRow(4, false);
        table.setHeaderText(3, "x");
        QCOMPARE(table.table()->currentRow(), 0);
        QCOMPARE(table.table()->columnCount(), 3);

        SubMenuTable boxes("%1", 2, 2, true, true, false, false);
        QVERIFY(!boxes.isEnabledChecked(5) && !boxes.isVisibleChecked(-1));
    }

    void headerTextFitsOnLayoutRequest()
    {
        MainWindow window;
        SubMenuTable table("%1", 2, 2, true, false, false, false);
        const int before = table.table()->columnWidth(0);
        const QString text = "A much longer heading than before";
        table.setHeaderText(0, text);
        QCOMPARE(table.table()->columnWidth(0), before);
        // Out of sight, the table lays itself out once it is shown (or its
        // page is measured); in sight, at once.
        emit window.requestLayout();
        QCOMPARE(table.table()->columnWidth(0), before);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const QFont font = table.table()->horizontalHeader()->font();
        QCOMPARE(table.table()->columnWidth(0), textBoundingRect(font, text).width() + 48);
        const QString shorter = "Shorter";
        table.setHeaderText(0, shorter);
        emit window.requestLayout();
        QCOMPARE(table.table()->columnWidth(0), textBoundingRect(font, shorter).width() + 48);
        // Hidden again, it waits; the pane lays it out before it measures
        // its page (tst_propertypane).
        table.hide();
        table.setHeaderText(0, text);
        emit window.requestLayout();
        QCOMPARE(table.table()->columnWidth(0), textBoundingRect(font, shorter).width() + 48);
    }

    // The header takes its dark grey sections (the style shades them) from
    // the table's one sheet; without it they would be the style's light ones.
    void headerSectionsAreDarkGrey()
    {
        SubMenuTable table("%1", 2, 2, true, false, false, false);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QHeaderView* header = table.table()->horizontalHeader();
        const QImage image = header->grab().toImage();
        // Past the centred heading, near the end of the first section.
        const QColor shade = image.pixelColor(header->sectionSize(0) - 4, header->height() / 2);
        QCOMPARE(shade.green(), shade.red());
        QCOMPARE(shade.blue(), shade.red());
        QVERIFY2(shade.red() >= 0x50 && shade.red() < 0x80, qPrintable(shade.name()));
    }

    // Tables built while their window is held, in a panel that is placed
    // under a sheet only afterwards, measure themselves, show their cells
    // and look exactly like a table built and measured at once, then placed:
    // whether they are first measured before their window is shown or as it
    // is.
    void tablesBuiltBeforeTheirPlaceMatchOneBuiltThere()
    {
        QWidget window;
        window.setStyleSheet("QWidget { background: #424242; color: white; border: none; }");
        auto* layout = new QHBoxLayout(&window);
        const auto build = [](QWidget* parent) {
            auto* table = new SubMenuTable("Set %1", 6, 4, true, true, false, false, parent);
            table->setHeaderText(0, "Set No");
            table->adjustLayout();
            table->setEnabledChecked(2, true);
            table->setVisibleChecked(2, true);
            table->setRowForeground(1, Qt::red);
            return table;
        };
        SubMenuTable* there = build(nullptr);
        layout->addWidget(there, 0, Qt::AlignTop);
        SubMenuTable* moved[2] = {};
        {
            const PolishStyle::Hold hold;
            auto* panel = new QWidget;
            auto* panelLayout = new QVBoxLayout(panel);
            for (SubMenuTable*& table : moved)
                panelLayout->addWidget(table = build(panel));
            layout->addWidget(panel, 0, Qt::AlignTop);
        }
        // A panel may refresh its rows before the window is first shown.
        moved[0]->adjustLayout();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();

        QTableWidget* expected = there->table();
        for (SubMenuTable* table : moved) {
            QTableWidget* actual = table->table();
            QCOMPARE(actual->size(), expected->size());
            for (int column = 0; column < 3; ++column)
                QCOMPARE(actual->columnWidth(column), expected->columnWidth(column));
            for (int row = 0; row < 6; ++row)
                QVERIFY(cellBox(*table, row, 1) && cellBox(*table, row, 2));
            QVERIFY(cellBox(*table, 2, 1)->isChecked());
            QCOMPARE(actual->grab().toImage(), expected->grab().toImage());
        }

        // Tab goes from each table to its boxes, row by row, and on.
        QWidgetList order;
        for (SubMenuTable* table : {there, moved[0], moved[1]}) {
            order << table->table();
            for (int row = 0; row < 6; ++row)
                order << cellBox(*table, row, 1) << cellBox(*table, row, 2);
        }
        QWidgetList chain;
        for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
            if (order.contains(w))
                chain << w;
        QCOMPARE(chain, order);
    }
};

QTEST_MAIN(TestSubMenuTable)
#include "tst_submenutable.moc"
