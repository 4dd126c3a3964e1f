// The logical operation editor: its checks, the one-driver rule of the
// signal assignments, clearing with confirmation, what Apply writes, leaving
// with edits, building a formula from the keyboard, typing in the signal
// list, Delete on a cell, the current row's findings and the live logic
// screen after Apply.

#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QState>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

#include "app/functionmenuwidget.h"
#include "app/scene/scenemanager.h"
#include "defaultimage.h"
#include "logicfixture.h"
#include "monitoring/monitoringlogicaloperation.h"
#include "panelfixture.h"
#include "parameter/logicsignaldef.h"
#include "widgets/properties/logicalop.h"
#include "widgets/properties/logicalopdialog.h"
#include "widgets/properties/logicassignmenttree.h"
#include "widgets/properties/logicitemdelegate.h"
#include "widgets/properties/logictablemodel.h"
#include "widgets/properties/window.h"
#include "widgets/systemsound.h"

#include <memory>

using Model = LogicTableModel;

class TestLogicalOp : public QObject
{
    Q_OBJECT

    Parameter* const m_store = Parameter::instance();
    std::unique_ptr<LogicalOp> m_editor;
    QList<SystemSound> m_sounds;

    // The shipped set with an empty logic table, then result 1 = AND of
    // 1001 and 1002 driving 60001 and 60501, result 2 = NOT 1 driving 60601.
    static ParameterImage baseImage()
    {
        ParameterImage image = defaultImage();
        for (int result = 1; result <= LogicTable::ResultCount; ++result)
            setOperation(image, result, 0, 0, 0);
        for (int t = 0; t < LogicTable::TargetCount; ++t)
            for (int e = 0; e < LogicTable::entryCount(LogicTable::Target(t)); ++e)
                LogicTable::setAssignment(image, LogicTable::Target(t), e, 0);
        setOperation(image, 1, 2, 1001, 1002);
        setOperation(image, 2, 5, 1);
        LogicTable::setAssignment(image, LogicTable::InternalInput, 0, 1);
        LogicTable::setAssignment(image, LogicTable::UserOutput, 0, 1);
        LogicTable::setAssignment(image, LogicTable::NetworkOutput, 0, 2);
        return image;
    }

    void open(const ParameterImage& image)
    {
        loadMaster(m_store, image);
        m_editor.reset(new LogicalOp(nullptr, m_store));
    }

    Model* model() const { return m_editor->model(); }
    QModelIndex cell(int result, int column) const { return model()->index(result - 1, column); }
    bool set(int result, int column, int value)
    {
        return model()->setData(cell(result, column), value);
    }
    QString text(int result, int column) const { return cell(result, column).data().toString(); }
    QColor colour(int result, int column) const
    {
        return cell(result, column).data(Qt::ForegroundRole).value<QColor>();
    }
    QLabel* findings(const char* name) const
    {
        return m_editor->findChild<QLabel*>(QLatin1String(name));
    }
    // The rows announced as changed while the spy listened.
    static QSet<int> announcedRows(const QSignalSpy& spy)
    {
        QSet<int> rows;
        for (const QList<QVariant>& call : spy)
            for (int row = call[0].toModelIndex().row(); row <= call[1].toModelIndex().row(); ++row)
                rows << row + 1;
        return rows;
    }
    void showFocused(QWidget* widget)
    {
        m_editor->show();
        m_editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
    }
    // Opens an input cell's editor with its first key, types the rest and
    // ends with Return.
    void typeIntoCell(int result, int column, Qt::Key first, const QString& rest)
    {
        m_editor->selectResult(result, column);
        m_editor->table()->setFocus();
        QTest::keyClick(m_editor->table(), first);
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), rest);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QLabel* statusLabel() const
    {
        // The label beside Apply: the last one laid out.
        return m_editor->findChildren<QLabel*>().last();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(installEnglish());
        LogicSignalDef::initialize();
        setSystemSoundPlayer([this](SystemSound sound) {
            m_sounds << sound;
            return true;
        });
    }
    void cleanupTestCase() { setSystemSoundPlayer({}); }
    void init() { m_sounds.clear(); }
    void cleanup() { m_editor.reset(); }

    void checksExplainEachRowAndBlockApply()
    {
        ParameterImage image = baseImage();
        setOperation(image, 3, 5, 1006, 1101); // second input on NOT
        setOperation(image, 4, 3, 1101, 0);    // OR without its second input
        setOperation(image, 5, 1, 3004);       // no input signal
        setOperation(image, 6, 1, 30);         // result 30 is unused
        setOperation(image, 7, 2, 7, 1001);    // reads itself
        setOperation(image, 8, 3, 9, 1001);    // reads the later 9, which reads 8
        setOperation(image, 9, 5, 8);
        setOperation(image, 10, 9, 1001); // unknown type
        LogicTable::setAssignment(image, LogicTable::InternalInput, 199, 1);
        LogicTable::setAssignment(image, LogicTable::InternalInput, 200, 401);
        open(image);

        const LogicCheck& check = model()->check();
        QCOMPARE(check.of(1).errors, QStringList());
        QCOMPARE(check.of(1).warnings,
                 QStringList{"Drives internal safety input entry 200, which names no signal."});
        QCOMPARE(check.of(2).errors, QStringList());
        QCOMPARE(check.of(3).errors, QStringList{"NOT takes one input; input 2 must be empty."});
        QCOMPARE(check.of(4).errors, QStringList{"Input 2 is missing."});
        QCOMPARE(check.of(5).errors, QStringList{"Input 1: 3004 is no input signal."});
        QCOMPARE(check.of(6).errors,
                 QStringList{"Input 1 reads result 30, whose operation is unused."});
        QCOMPARE(check.of(7).errors, QStringList{"Input 1 reads this operation's own result."});
        QCOMPARE(check.of(7).warnings, QStringList());
        QCOMPARE(check.of(8).errors, QStringList());
        QCOMPARE(check.of(8).warnings, QStringList({"Input 1 reads the later result 9.",
                                                    "Takes part in a cycle of the results 8, 9."}));
        QCOMPARE(check.of(9).warnings, QStringList{"Takes part in a cycle of the results 8, 9."});
        QCOMPARE(check.of(10).warnings,
                 QStringList{"Operation type 9 is unknown; it is kept as stored."});
        QCOMPARE(check.general(),
                 QStringList{"Internal safety input entry 201 holds 401 but names no signal."});
        QCOMPARE(check.errorCount(), 5);

        // Beside the row, in red for an error and yellow for a warning.
        QCOMPARE(text(4, Model::CheckColumn), QStringLiteral("Input 2 is missing."));
        QVERIFY(colour(4, Model::CheckColumn) != colour(8, Model::CheckColumn));

        // Apply refuses while any error stands and shows the first one.
        const ParameterImage applied = m_store->appliedImage();
        QVERIFY(set(11, Model::OperationColumn, 1));
        QVERIFY(set(11, Model::Input1Column, 1001));
        QVERIFY(!m_editor->apply());
        QVERIFY(m_store->appliedImage() == applied);
        QCOMPARE(m_sounds, QList<SystemSound>{SystemSound::Hand});
        QCOMPARE(m_editor->currentResult(), 3);
        QCOMPARE(statusLabel()->text(),
                 QStringLiteral("Apply is blocked by errors (5); the first is at result 3."));

        // Mended, the warnings alone do not block.
        QVERIFY(set(3, Model::Input2Column, 0));
        QVERIFY(set(4, Model::Input2Column, 1102));
        QVERIFY(set(5, Model::Input1Column, 1005));
        QVERIFY(set(6, Model::Input1Column, 1));
        QVERIFY(set(7, Model::Input1Column, 2));
        QCOMPARE(model()->check().errorCount(), 0);
        QVERIFY(m_editor->apply());
        QCOMPARE(LogicTable::type(m_store->appliedImage(), 10), qint16(9)); // kept as stored
    }

    void assignmentsHaveOneDriverEach()
    {
        ParameterImage image = baseImage();
        LogicTable::setAssignment(image, LogicTable::InternalInput, 2, -5); // 60003
        open(image);
        m_editor->selectResult(2);
        LogicAssignmentTree* tree = m_editor->assignments();

        // Result 1's signal can be neither checked nor taken for result 2.
        QTreeWidgetItem* taken = tree->itemOf(60001);
        QVERIFY(!(taken->flags() & Qt::ItemIsUserCheckable));
        QCOMPARE(taken->text(1), QStringLiteral("1"));
        QVERIFY(!model()->setDriven(2, 60001, true));
        QCOMPARE(model()->owner(60001), 1);

        // A free signal and one holding no result are checked by the box.
        tree->itemOf(60002)->setCheckState(0, Qt::Checked);
        QVERIFY(tree->itemOf(60003)->flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(tree->itemOf(60003)->text(1), QStringLiteral("-5"));
        tree->itemOf(60003)->setCheckState(0, Qt::Checked);
        QCOMPARE(model()->drivenBy(2), (QList<quint32>{60002, 60003, 60601}));
        QVERIFY(text(2, Model::DrivesColumn).startsWith(QStringLiteral("User Fast Check Mode")));

        // Moving a signal: off result 1, then onto result 2; both rows show
        // the edit.
        QVERIFY(model()->setDriven(1, 60501, false));
        QVERIFY(model()->setDriven(2, 60501, true));
        QCOMPARE(colour(1, Model::DrivesColumn), changedColour);
        QCOMPARE(colour(2, Model::DrivesColumn), changedColour);
        QCOMPARE(colour(1, Model::OperationColumn), plainColour);
        QCOMPARE(model()->signalState(60501), quint8(1));

        QVERIFY(m_editor->apply());
        const ParameterImage& applied = m_store->appliedImage();
        QCOMPARE(LogicTable::assignment(applied, LogicTable::UserOutput, 0), qint16(2));
        QCOMPARE(LogicTable::assignment(applied, LogicTable::InternalInput, 2), qint16(2));
        QCOMPARE(colour(2, Model::DrivesColumn), updatedColour);
        QCOMPARE(model()->signalState(60501), quint8(2));
        QCOMPARE(LogicSignalDef::signalsAssignedTo(1, applied), QList<quint32>{60001});
    }

    // Many signal names share a long start ("Disabling Motion Area
    // Monitoring Protective Stop 1" to "... 16"): shortened to the width the
    // list gives them, every signal must still read differently, and the
    // tool tip holds the whole name.
    void signalNamesStayApartInTheList()
    {
        open(baseImage());
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        LogicAssignmentTree* tree = m_editor->assignments();
        QTreeWidgetItem* first = tree->itemOf(60001);
        const int width = tree->visualItemRect(first).width() - 2 * tree->indentation();
        QVERIFY(width > 100);
        const QFontMetrics metrics(first->font(0));
        QSet<QString> shown;
        int items = 0;
        for (int g = 0; g < tree->topLevelItemCount(); ++g) {
            for (int i = 0; i < tree->topLevelItem(g)->childCount(); ++i, ++items) {
                const QTreeWidgetItem* item = tree->topLevelItem(g)->child(i);
                const QString number = item->data(0, Qt::UserRole).toString();
                QVERIFY2(item->text(0).endsWith(QStringLiteral(" (%1)").arg(number)),
                         qPrintable(item->text(0)));
                QVERIFY(item->toolTip(0).startsWith(item->text(0)));
                shown << metrics.elidedText(item->text(0), tree->textElideMode(), width);
            }
        }
        QCOMPARE(shown.size(), items);
        // The heading of the driver column is not cut.
        const QString heading = tree->headerItem()->text(1);
        QVERIFY(tree->columnWidth(1) >= tree->header()->fontMetrics().horizontalAdvance(heading));
        // A signal held by another result says which, under its name.
        m_editor->selectResult(2);
        QVERIFY(tree->itemOf(60001)->toolTip(0).contains(QStringLiteral("result 1")));
    }

    void clearingAsksAboutDrivenSignals()
    {
        ParameterImage image = baseImage();
        LogicTable::setAssignment(image, LogicTable::InternalInput, 199, 1); // 60200, unnamed
        open(image);
        LongBoxAnswers boxes;

        // Cancel changes nothing.
        QVERIFY(!set(1, Model::OperationColumn, 0));
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(
            boxes.texts[0].split(QLatin1Char('\n')),
            QStringList({"60001 User Teach/Repeat Mode", "60200", "60501 User Safety Output 1"}));
        QVERIFY(boxes.captions[0].contains(QStringLiteral("Result 1")));
        QVERIFY(!model()->isModified());

        // OK clears the operation and its assignments; Delete does it too.
        boxes.ok = true;
        m_editor->selectResult(1);
        QTest::keyClick(m_editor->table(), Qt::Key_Delete);
        QCOMPARE(boxes.texts.size(), 2);
        QCOMPARE(LogicTable::type(model()->working(), 1), qint16(0));
        QCOMPARE(LogicTable::input(model()->working(), 1, 1), qint16(0));
        QCOMPARE(model()->drivenBy(1), QList<quint32>());
        QCOMPARE(model()->owner(60200), 0);
        QCOMPARE(model()->owner(60601), 2);
        QCOMPARE(model()->check().of(2).errors,
                 QStringList{"Input 1 reads result 1, whose operation is unused."});
        QVERIFY(m_sounds.contains(SystemSound::Exclamation));

        // An operation that drives nothing is cleared without a box.
        QVERIFY(model()->setDriven(2, 60601, false));
        QVERIFY(set(2, Model::OperationColumn, 0));
        QCOMPARE(boxes.texts.size(), 2);
    }

    void applyWritesTheLogicOnlyAndStamps()
    {
        ParameterImage image = baseImage();
        image.data()[65318] = 0xAB; // between the user and network output tables
        image.data()[65319] = 0xCD;
        image.setSignalUpdateTime(1000);
        open(image);
        m_store->editImage().setI16At(56404, 1); // another page's unapplied edit
        const ParameterImage edited = m_store->editImage();
        const ParameterImage before = m_store->appliedImage();

        QVERIFY(set(3, Model::OperationColumn, 3));
        QVERIFY(set(3, Model::Input1Column, 1101));
        QVERIFY(set(3, Model::Input2Column, 1102));
        QVERIFY(model()->setDriven(3, 60602, true));
        QCOMPARE(colour(3, Model::ResultColumn), changedColour);
        // Another page's Cancel keeps the editor's unapplied edits.
        m_store->restore(20);
        QVERIFY(model()->isModified());

        QSignalSpy changes(m_store, &Parameter::parameterChanged);
        QVERIFY(m_editor->apply());
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].value<Parameter::DataType>(), Parameter::AppliedData);
        const ParameterImage& applied = m_store->appliedImage();
        QVERIFY(differsOnlyIn(before, applied,
                              {{62252, 65318}, {65320, 65448}, {65448, 65452}, {65472, 65476}}));
        QVERIFY(!differingRanges(before, applied).isEmpty());
        QCOMPARE(applied.data()[65318], (unsigned char)0xAB);
        QVERIFY(applied.signalUpdateTime() != 1000);
        QCOMPARE(applied.wholeUpdateTime(), applied.signalUpdateTime());
        QCOMPARE(LogicTable::formula(applied, 3),
                 QStringLiteral("(1101 User Safety Input 1) OR (1102 User Safety Input 2)"));
        // The edit image carries the same table and keeps the other edit.
        QVERIFY(!LogicTable::logicDiffers(m_store->editImage(), applied));
        QCOMPARE(m_store->editImage().i16At(56404), qint16(1));
        QVERIFY(differsOnlyIn(edited, m_store->editImage(), {{62252, 65448}}));
        QCOMPARE(colour(3, Model::ResultColumn), updatedColour);
        QVERIFY(!model()->isModified());

        // New master data drops unapplied edits.
        QVERIFY(set(4, Model::OperationColumn, 1));
        m_store->editImage() = m_store->appliedImage();
        m_store->setMasterData(true);
        QVERIFY(!model()->isModified());
        QCOMPARE(colour(3, Model::ResultColumn), plainColour);
    }

    void leavingAsksOnlyWithEdits()
    {
        open(baseImage());
        BoxAnswers boxes;
        QVERIFY(m_editor->requestClose());
        QVERIFY(boxes.titles.isEmpty());
        QVERIFY(set(1, Model::Input2Column, 1003));
        boxes.answers = {false, true};
        QVERIFY(!m_editor->requestClose());
        QVERIFY(model()->isModified());
        QVERIFY(m_editor->requestClose());
        QVERIFY(!model()->isModified());
        QCOMPARE(boxes.titles.size(), 2);
        QCOMPARE(LogicTable::input(model()->working(), 1, 2), qint16(1002));
    }

    // The editor's dialog in the program: it fits a small screen, and since
    // the monitoring dialog hides it, opening that from the editor asks
    // about unapplied edits as leaving does, instead of leaving them behind
    // unseen.
    void dialogFitsAndMonitoringAsksFirst()
    {
        open(baseImage());
        QObject owner;
        Scene::SceneManager::create(&owner);
        Scene::SceneManager* scenes = Scene::SceneManager::instance();
        QTRY_VERIFY(scenes->state(0)->active());
        Window::create(&owner);
        LogicalOpDialog dialog(nullptr);
        Window::instance()->logicalOpDialog = &dialog;
        QVector<PropertyWidget*> panels(37, nullptr);
        FunctionMenuWidget menu(nullptr, &panels);
        // Within a screen smaller than the editor (the test screen's
        // 800 x 600), with Apply and Cancel in sight.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.width() < m_editor->sizeHint().width());
        QVERIFY(screen.contains(QRect(screen.topLeft(), dialog.size())));
        scenes->loadScene(Scene::LogicalOperationScene);
        QTRY_VERIFY(dialog.isVisible());
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            QVERIFY(
                dialog.rect().contains(QRect(button->mapTo(&dialog, QPoint()), button->size())));
        LogicTableModel* edited = dialog.logicalOp()->model();
        QVERIFY(edited->setData(edited->index(0, Model::Input2Column), 1003));

        BoxAnswers boxes;
        boxes.answers = {false, true};
        QTreeWidgetItem* monitoring = menu.menuItem(Scene::MonitoringScene);
        emit menu.tree()->itemClicked(monitoring, 0);
        QCOMPARE(boxes.titles.size(), 1);
        QCOMPARE(scenes->currentScene(), int(Scene::LogicalOperationScene));
        QVERIFY(edited->isModified());
        emit menu.tree()->itemClicked(monitoring, 0);
        QCOMPARE(boxes.titles.size(), 2);
        QCOMPARE(scenes->currentScene(), int(Scene::MonitoringScene));
        QVERIFY(!edited->isModified());
        Window::instance()->logicalOpDialog = nullptr;
    }

    void filterShowsResultsInUse()
    {
        open(baseImage());
        const QAbstractItemModel* shown = m_editor->table()->model();
        m_editor->setInUseFilter(true);
        QCOMPARE(shown->rowCount(), 2);
        // A row emptied under the filter stays until the filter is set again;
        // an edited row counts as in use until applied.
        QVERIFY(model()->setDriven(2, 60601, false));
        QVERIFY(set(2, Model::OperationColumn, 0));
        QVERIFY(set(7, Model::Input1Column, 1001));
        QCOMPARE(shown->rowCount(), 2);
        m_editor->setInUseFilter(true);
        QCOMPARE(shown->rowCount(), 3);
        QVERIFY(m_editor->apply());
        QCOMPARE(shown->rowCount(), 1);
        QCOMPARE(m_editor->currentResult(), 1);
        m_editor->setInUseFilter(false);
        QCOMPARE(shown->rowCount(), LogicTable::ResultCount);
    }

    void keyboardBuildsAFormula()
    {
        open(baseImage());
        m_editor->show();
        m_editor->activateWindow();
        QTableView* table = m_editor->table();
        m_editor->selectResult(5, Model::OperationColumn);
        table->setFocus();
        QTRY_VERIFY(table->hasFocus());

        // "a" picks AND, Tab takes it and opens input 1, and so on.
        QTest::keyClick(table, Qt::Key_A);
        QTRY_VERIFY(qobject_cast<QComboBox*>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1001"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(LogicTable::input(model()->working(), 5, 1), qint16(1001));
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("tp ena"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(LogicTable::input(model()->working(), 5, 2), qint16(1002));
        QCOMPARE(LogicTable::type(model()->working(), 5), qint16(2));

        // A number outside the input signals is refused with its reason.
        typeIntoCell(5, Model::Input1Column, Qt::Key_3, QStringLiteral("004"));
        QTRY_COMPARE(statusLabel()->text(), QStringLiteral("3004: Invalid signal number."));
        QCOMPARE(LogicTable::input(model()->working(), 5, 1), qint16(1001));
        QVERIFY(m_sounds.contains(SystemSound::Exclamation));

        // Return on the table applies nothing; Ctrl+Tab leaves the table.
        const ParameterImage applied = m_store->appliedImage();
        QTRY_VERIFY(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Return);
        QVERIFY(m_store->appliedImage() == applied);
        QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
        QTRY_VERIFY(m_editor->assignments()->hasFocus());

        // The start of several names takes none of them.
        typeIntoCell(5, Model::Input2Column, Qt::Key_U, QStringLiteral("ser safety input"));
        QTRY_COMPARE(statusLabel()->text(),
                     QStringLiteral("32 signals begin with \"user safety input\"; choose one "
                                    "from the list."));
        QCOMPARE(LogicTable::input(model()->working(), 5, 2), qint16(1002));
        int number = 0;
        QString reason;
        QVERIFY(!LogicItemDelegate::parseInput(QStringLiteral("~tp"), &number, &reason));
        QVERIFY(
            LogicItemDelegate::parseInput(QStringLiteral("User Safety Input 3"), &number, &reason));
        QCOMPARE(number, 1103);
    }

    // A table made elsewhere: signal 60001 driven by result 1, whose
    // operation is unused. The one error blocks Apply on its own, stands
    // beside the row and on the signal, and goes once the signal is freed.
    // Every input editor offers the name of every input signal, once each,
    // the first one opened too.
    void inputEditorsCompleteEverySignalName()
    {
        open(baseImage());
        QStringList names;
        for (int number = 1; number <= 3003; ++number)
            if (LogicTable::isInputSignal(number))
                names << LogicTable::inputText(number);
        QVERIFY(names.size() > 100);
        for (int round = 0; round < 2; ++round) {
            m_editor->selectResult(1 + round, Model::Input1Column);
            const QModelIndex index = m_editor->table()->currentIndex();
            m_editor->table()->edit(index);
            auto* edit = qobject_cast<QLineEdit*>(m_editor->table()->indexWidget(index));
            QVERIFY(edit && edit->completer());
            const QAbstractItemModel* list = edit->completer()->model();
            QStringList offered;
            for (int row = 0; row < list->rowCount(); ++row)
                offered << list->index(row, 0).data().toString();
            QCOMPARE(offered, names);
            m_editor->table()->closePersistentEditor(index);
            m_editor->table()->setCurrentIndex(QModelIndex());
        }
    }

    void signalOnAnUnusedResultBlocksApply()
    {
        ParameterImage image;
        QVERIFY(readImageFile(
            image, QStringLiteral(OBX_SOURCE_DIR "/tests/data/logic_unused_driver.txt")));
        QCOMPARE(LogicTable::type(image, 1), qint16(0));
        QCOMPARE(LogicTable::assignment(image, LogicTable::InternalInput, 0), qint16(1));
        open(image);
        m_editor->resize(1280, 800);

        const QString fault = QStringLiteral("Drives 60001 User Teach/Repeat Mode, but the "
                                             "operation is unused.");
        QCOMPARE(model()->check().of(1).errors, QStringList{fault});
        QCOMPARE(model()->check().errorCount(), 1);
        QCOMPARE(text(1, Model::CheckColumn), fault);
        QCOMPARE(colour(1, Model::CheckColumn), QColor(255, 96, 96));
        m_editor->setInUseFilter(true); // a row driving a signal is in use
        QCOMPARE(m_editor->table()->model()->rowCount(), 1);
        const QString onSignal = QStringLiteral("Driven by result 1, whose operation is unused.");
        QCOMPARE(model()->check().ofSignal(60001), onSignal);
        QCOMPARE(model()->check().ofSignal(60002), QString());
        LogicAssignmentTree* tree = m_editor->assignments();
        for (const int shown : {1, 2}) {
            m_editor->selectResult(shown);
            QVERIFY(tree->itemOf(60001)->toolTip(0).contains(onSignal));
            QCOMPARE(tree->itemOf(60001)->foreground(0).color(), QColor(255, 96, 96));
            QVERIFY(tree->itemOf(60002)->toolTip(0).indexOf(QLatin1String("unused")) < 0);
        }

        // An edit elsewhere cannot be applied past the one error.
        QVERIFY(set(5, Model::OperationColumn, 1));
        QVERIFY(set(5, Model::Input1Column, 1001));
        const ParameterImage applied = m_store->appliedImage();
        QVERIFY(!m_editor->apply());
        QVERIFY(m_store->appliedImage() == applied);
        QCOMPARE(m_editor->currentResult(), 1);
        QCOMPARE(statusLabel()->text(),
                 QStringLiteral("Apply is blocked by errors (1); the first is at result 1."));
        QCOMPARE(findings("logicErrors")->text(), fault);

        // Taking the signal off the unused result mends it.
        tree->itemOf(60001)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(model()->owner(60001), 0);
        QCOMPARE(model()->check().errorCount(), 0);
        QVERIFY(tree->itemOf(60001)->toolTip(0).indexOf(QLatin1String("unused")) < 0);
        QVERIFY(findings("logicErrors")->isHidden());
        QVERIFY(m_editor->apply());
        QCOMPARE(LogicTable::assignment(m_store->appliedImage(), LogicTable::InternalInput, 0),
                 qint16(0));
    }

    // Typing a name moves to it, a Space within the typing included; Space
    // ticks a box only outside a search: as the first key, after another
    // key, or once the search interval has passed.
    void typingInTheSignalListOnlyMoves()
    {
        const int interval = QApplication::keyboardInputInterval();
        open(defaultImage());
        m_editor->selectResult(1);
        LogicAssignmentTree* tree = m_editor->assignments();
        showFocused(tree);
        QTreeWidgetItem* teachRepeat = tree->itemOf(60001);
        QVERIFY(teachRepeat->text(0).startsWith(QLatin1String("User ")));

        QApplication::setKeyboardInputInterval(60000); // however slow the machine
        QTest::keyClick(tree, Qt::Key_Home);
        QTest::keyClicks(tree, QStringLiteral("User "));
        QCOMPARE(tree->currentItem(), teachRepeat);
        QCOMPARE(teachRepeat->checkState(0), Qt::Unchecked);
        QVERIFY(!model()->isModified());
        QTest::keyClicks(tree, QStringLiteral("S"));
        QVERIFY(
            tree->currentItem()->text(0).startsWith(QLatin1String("User S"), Qt::CaseInsensitive));
        QVERIFY(!model()->isModified());

        // After an arrow key, Space ticks the row gone to.
        QTest::keyClick(tree, Qt::Key_Up);
        QTest::keyClick(tree, Qt::Key_Space);
        QCOMPARE(model()->drivenBy(1),
                 QList<quint32>{quint32(tree->currentItem()->data(0, Qt::UserRole).toInt())});
        QTest::keyClick(tree, Qt::Key_Space); // and clears it again
        QCOMPARE(model()->drivenBy(1), QList<quint32>());

        // Once the interval has passed, Space ticks the row found.
        QApplication::setKeyboardInputInterval(50);
        QElapsedTimer lastKey;
        lastKey.start();
        QTRY_VERIFY(lastKey.elapsed() > 100);
        QTest::keyClick(tree, Qt::Key_Home);
        QTest::keyClicks(tree, QStringLiteral("User"));
        QCOMPARE(tree->currentItem(), teachRepeat);
        lastKey.start();
        QTRY_VERIFY(lastKey.elapsed() > 100);
        QTest::keyClick(tree, Qt::Key_Space);
        QApplication::setKeyboardInputInterval(interval);
        QCOMPARE(model()->owner(60001), 1);
        // Ticked on an unused result, the signal is an error until mended.
        QCOMPARE(model()->check().errorCount(), 1);
        QVERIFY(!m_editor->apply());
    }

    // Delete empties the cell under the cursor: an input on its own, and
    // only on the Operation cell the whole operation, after the question,
    // which Return answers with Cancel.
    void deleteClearsTheCurrentCellOnly()
    {
        ParameterImage image = baseImage();
        setOperation(image, 3, 3, 1003, 1004);
        LogicTable::setAssignment(image, LogicTable::NetworkOutput, 1, 3);
        open(image);
        LongBoxAnswers boxes;
        QTableView* table = m_editor->table();
        const auto press = [&](int column) {
            m_editor->selectResult(3, column);
            QTest::keyClick(table, Qt::Key_Delete);
        };

        press(Model::Input2Column);
        QCOMPARE(LogicTable::type(model()->working(), 3), qint16(3));
        QCOMPARE(LogicTable::input(model()->working(), 3, 1), qint16(1003));
        QCOMPARE(LogicTable::input(model()->working(), 3, 2), qint16(0));
        QCOMPARE(model()->drivenBy(3), QList<quint32>{60602});
        QCOMPARE(model()->check().of(3).errors, QStringList{"Input 2 is missing."});
        press(Model::Input1Column);
        QCOMPARE(LogicTable::input(model()->working(), 3, 1), qint16(0));
        QCOMPARE(model()->check().of(3).errors,
                 QStringList({"Input 1 is missing.", "Input 2 is missing."}));
        const ParameterImage before = model()->working();
        for (const int column : {Model::ResultColumn, Model::DrivesColumn, Model::CheckColumn})
            press(column);
        QVERIFY(model()->working() == before);
        QVERIFY(boxes.texts.isEmpty());

        press(Model::OperationColumn);
        QCOMPARE(boxes.defaults, QStringList{"messageBoxCancel"});
        QVERIFY(model()->working() == before);
        boxes.ok = true;
        press(Model::OperationColumn);
        QCOMPARE(LogicTable::type(model()->working(), 3), qint16(0));
        QCOMPARE(model()->drivenBy(3), QList<quint32>());
    }

    // The current row's findings stand whole beside the formula, inside the
    // editor at the size of a small screen, where the Check column is cut.
    void currentFindingsStandInFull()
    {
        ParameterImage image = baseImage();
        setOperation(image, 7, 2, 7, 1001);
        setOperation(image, 8, 3, 9, 1001);
        setOperation(image, 9, 5, 8);
        open(image);
        for (const QSize size : {QSize(1280, 800), QSize(1366, 768)}) {
            m_editor->resize(size);
            m_editor->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
            QTRY_COMPARE(m_editor->size(), size);
            m_editor->selectResult(7);
            QLabel* errors = findings("logicErrors");
            QCOMPARE(errors->text(), QStringLiteral("Input 1 reads this operation's own result."));
            QVERIFY(errors->isVisible());
            QVERIFY(findings("logicWarnings")->isHidden());
            QVERIFY(m_editor->rect().contains(
                QRect(errors->mapTo(m_editor.get(), QPoint()), errors->size())));
            QVERIFY(errors->width() >= errors->fontMetrics().horizontalAdvance(errors->text()));

            m_editor->selectResult(8, Model::Input1Column);
            QLabel* warnings = findings("logicWarnings");
            QCOMPARE(warnings->text(),
                     QStringLiteral("Input 1 reads the later result 9.\n"
                                    "Takes part in a cycle of the results 8, 9."));
            QVERIFY(warnings->isVisible());
            QVERIFY(errors->isHidden());
            m_editor->selectResult(1);
            QVERIFY(warnings->isHidden());
        }
    }

    // Only the rows whose cells changed are repainted: the edited row even
    // when its findings and drives stay, and a row whose findings follow.
    void editsAnnounceTheirRows()
    {
        open(baseImage());
        QSignalSpy changes(model(), &QAbstractItemModel::dataChanged);
        QVERIFY(set(1, Model::Input2Column, 1003));
        QCOMPARE(announcedRows(changes), QSet<int>{1});
        QVERIFY(set(6, Model::OperationColumn, 1));
        QVERIFY(set(6, Model::Input1Column, 30));
        changes.clear();
        QVERIFY(set(30, Model::OperationColumn, 5));
        QCOMPARE(announcedRows(changes), (QSet<int>{6, 30}));
    }

    void liveScreenShowsAppliedFormulas()
    {
        open(baseImage());
        MonitoringLogicalOperation screen;
        screen.show();
        QTRY_VERIFY(screen.isVisible());
        QCOMPARE(screen.resultIndexes(), (QVector<quint16>{0, 1}));
        QVERIFY(set(20, Model::OperationColumn, 4));
        QVERIFY(set(20, Model::Input1Column, 1001));
        QVERIFY(set(20, Model::Input2Column, 2));
        QCOMPARE(screen.resultIndexes().size(), 2); // not before Apply
        QVERIFY(m_editor->apply());
        QTRY_COMPARE(screen.resultIndexes(), (QVector<quint16>{0, 1, 19}));
        QCOMPARE(screen.table()->item(2, 1)->text(), QStringLiteral("XOR"));
    }
};

QTEST_MAIN(TestLogicalOp)
#include "tst_logicalop.moc"
