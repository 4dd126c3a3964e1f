// What a file said for a cell whose text the set did not keep ("65538" in a
// 16-bit field) is told wherever a value outside its limits is: the page's
// editor and row, the function menu, the status line, the notice after the
// read and the question before a write; the command line counts alike. The
// status line signs the held set as a write would and names the last read;
// a read by part names the values it left untaken.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSet>
#include <QTableWidget>
#include <QTreeWidgetItem>
#include <QtTest>

#include "app/commandlinetool.h"
#include "app/core/languagesetting.h"
#include "app/functionmenuwidget.h"
#include "app/reportexport.h"
#include "app/scene/scenemanager.h"
#include "app/statusline.h"
#include "editedfile.h"
#include "imagecells.h"
#include "panelfixture.h"
#include "parameter/crc32c.h"
#include "parameter/valuevalidator.h"
#include "randomimage.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/allproperties.h"
#include "widgets/properties/logicalop.h"
#include "widgets/properties/logicassignmenttree.h"
#include "widgets/properties/logictablemodel.h"
#include "widgets/spinbox.h"

namespace {

constexpr quint32 otherRobotFileCrc = 3487714303u; // stored in other-robot-part.txt

} // namespace

class TestLoadedSetFindings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Parameter* m_store = nullptr;
    DataProvider* m_provider = nullptr;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    void openFile(const QString& file)
    {
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(file);
        QVERIFY(m_provider->readFile(nullptr));
    }

    QString noticeText() const { return limitNoticeText(m_provider); }

    static QString lineText(const StatusLine& line)
    {
        QStringList parts;
        for (const QLabel* label : line.findChildren<QLabel*>())
            if (label->isVisibleTo(&line))
                parts << label->text();
        return parts.join(QLatin1Char('|'));
    }

    static QString countText(int outside, int notKept)
    {
        return QLatin1Char('|') + FindingCount{outside, notKept}.text();
    }

    // The cells --check lists for a file, as "number/row/column", from 0.
    static QSet<QString> checkedCells(const QString& file)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        CommandLineTool(outStream, errStream)
            .run({QStringLiteral("obxsetting"), QStringLiteral("--check"),
                  QStringLiteral("--format=json"), file});
        const QJsonArray files = QJsonDocument::fromJson(out.toUtf8())["files"].toArray();
        QSet<QString> cells;
        for (const QJsonValue entry : files.first()["outsideLimits"].toArray())
            cells << cellKey(entry["no"].toInt(), entry["row"].toInt() - 1,
                             entry["column"].toInt() - 1);
        return cells;
    }

    // The editor of a panel that shows a cell, after the panel was filled.
    static QWidget* editorOf(const QWidget* panel, const QString& cell)
    {
        for (QWidget* editor : panel->findChildren<QWidget*>())
            if (editor->property("boundCell").toString() == cell && editor->isVisibleTo(panel))
                return editor;
        return nullptr;
    }

    // The panels filled, in a table by scene as the function menu takes it.
    static QVector<PropertyWidget*> filledPages(std::initializer_list<PropertyWidget*> panels)
    {
        QVector<PropertyWidget*> table(Scene::SceneSignals::sceneCount, nullptr);
        for (PropertyWidget* panel : panels) {
            panel->initialize();
            panel->updateUI();
            table[panel->scene()] = panel;
        }
        return table;
    }

    static bool isRed(const QWidget* editor)
    {
        return editor && editor->objectName().endsWith(QLatin1String("invalid"));
    }

private slots:
    void initTestCase()
    {
        startOffline(m_dir, &m_provider);
        m_store = Parameter::instance();
    }

    // The shipped set, as the start-up reads it.
    void init()
    {
        QVERIFY(m_provider->initializeForTest(&m_store->editImage(), &m_store->unkeptTexts()));
        m_store->setMasterData(true);
        QVERIFY(m_store->unkeptTexts().isEmpty());
    }

    // Pages 20 and 33 mark the wrapped values red with the file's text in
    // the tool tip, and so do the menu and the status line, until the value
    // is edited: Cancel brings the mark back, Apply of another value ends it
    // for good, and another set takes it away.
    void wrappedValuesAreMarkedUntilEdited()
    {
        StatusLine line(m_store);
        openFile(testDataPath("wrapped-integers.txt"));
        QVERIFY(noticeText().startsWith(
            QLatin1String("0 values outside their limits, 3 file texts not kept\n")));
        QVERIFY(noticeText().contains(QLatin1String("(Tool 2): 2 (file: 65538)")));
        QTRY_VERIFY(lineText(line).endsWith(countText(0, 3)));

        BoxAnswers boxes;
        Property::SettingCommon common(m_store);
        Property::ProtectiveStopUserProtectiveStop userStop(m_store);
        const QVector<PropertyWidget*> table = filledPages({&common, &userStop});
        FunctionMenuWidget menu(nullptr, &table);
        for (int scene = 20; scene <= 35; ++scene)
            QCOMPARE(menu.menuItem(scene)->data(0, FunctionMenuWidget::OutsideLimitsRole).toBool(),
                     scene == 20 || scene == 29 || scene == 33);

        auto* tools = common.findChild<SubMenuTable*>();
        tools->setCurrentRow(1, false);
        auto* entry = qobject_cast<SpinBox*>(editorOf(&common, cellKey(3002, 0, 1)));
        QVERIFY(isRed(entry));
        QCOMPARE(entry->value(), 2);
        QVERIFY(entry->toolTip().startsWith(QLatin1String("file: 65538\n")));
        QCOMPARE(rowColour(tools, 1), QColor(255, 64, 64));
        QWidget* enabled = editorOf(&userStop, cellKey(3604, 0, 0));
        QVERIFY(isRed(enabled) && qobject_cast<CheckBox*>(enabled)->isChecked());
        QVERIFY(enabled->toolTip().startsWith(QLatin1String("file: 65537")));
        QVERIFY(m_store->editImage() == m_store->masterImage()); // looking wrote nothing

        entry->setValue(3);
        QVERIFY(!isRed(entry) && !entry->toolTip().contains(QLatin1String("file:")));
        barButton(&common, 1)->click(); // Cancel
        common.updateUI();
        QVERIFY(isRed(entry));
        entry->setValue(3);
        barButton(&common, 0)->click(); // Apply
        QTRY_VERIFY(lineText(line).endsWith(countText(0, 2)));
        entry->setValue(2);
        barButton(&common, 0)->click();
        common.updateUI();
        QVERIFY(!isRed(entry));
        QTRY_VERIFY(lineText(line).endsWith(countText(0, 2)));
        QVERIFY(!menu.menuItem(20)->data(0, FunctionMenuWidget::OutsideLimitsRole).toBool());

        openFile(defaultSetPath());
        userStop.updateUI();
        QVERIFY(!isRed(editorOf(&userStop, cellKey(3604, 0, 0))));
        QTRY_VERIFY(lineText(line).endsWith(countText(0, 0)));
    }

    // A version or update time the set did not keep is a finding as any
    // other: named in the notice and counted, and red where the system and
    // signature pages show it, until a set that keeps them is read.
    void textAndTrailerTextsAreMarked()
    {
        const QString version = QStringLiteral("1.0.0-") + QString(34, QLatin1Char('v'));
        ParameterImage image = defaultImage();
        QVERIFY(image.setText(fieldNamed("ParameterVersion"), 0, 0, version));
        QVERIFY(image.setU32(fieldNamed("WholeUpdateTime"), 0, 0, 0));
        QVERIFY(writeEditedFile(path("texts.txt"), image,
                                {{"ParameterVersion", 0, 0, version},
                                 {"WholeUpdateTime", 0, 0, QStringLiteral("abc")}}));
        StatusLine line(m_store);
        openFile(path("texts.txt"));
        QVERIFY2(noticeText().startsWith(
                     QLatin1String("0 values outside their limits, 2 file texts not kept\n")),
                 qPrintable(noticeText()));
        QVERIFY(noticeText().contains(QStringLiteral("(file: %1)").arg(version)));
        QVERIFY(noticeText().contains(QLatin1String("0 (file: abc)")));
        QTRY_VERIFY(lineText(line).endsWith(countText(0, 2)));

        BoxAnswers boxes;
        Property::System system(m_store);
        Property::SafetySignatureCRC signature(m_store);
        const QVector<PropertyWidget*> table = filledPages({&system, &signature});
        const auto marked = [](const QWidget* page) {
            QStringList tips;
            for (const QLabel* label : page->findChildren<QLabel*>())
                if (label->objectName() == QLatin1String("form-invalid"))
                    tips << label->toolTip();
            return tips;
        };
        QCOMPARE(marked(&system), QStringList{QStringLiteral("file: ") + version});
        QCOMPARE(marked(&signature), QStringList{QStringLiteral("file: abc")});
        FunctionMenuWidget menu(nullptr, &table);
        for (int scene : {1, 18})
            QVERIFY(menu.menuItem(scene)->data(0, FunctionMenuWidget::OutsideLimitsRole).toBool());
        // The menu's tips say what they hold, a group the sum of its pages.
        QCOMPARE(menu.menuItem(1)->toolTip(0), (FindingCount{0, 1}.text()));
        QCOMPARE(menu.menuItem(1)->parent()->toolTip(0), (FindingCount{0, 2}.text()));
        QVERIFY(m_store->editImage() == m_store->masterImage()); // looking wrote nothing

        openFile(defaultSetPath());
        system.updateUI();
        QVERIFY(marked(&system).isEmpty() && marked(&signature).isEmpty());
        QTRY_VERIFY(lineText(line).endsWith(countText(0, 0)));
    }

    // Float texts that are no number: the joints' rows of page 20 show up
    // red (their joints are in no use) with the file's text.
    void floatTextsAreMarked()
    {
        openFile(testDataPath("float-texts.txt"));
        QVERIFY(noticeText().startsWith(
            QLatin1String("0 values outside their limits, 4 file texts not kept\n")));
        QVERIFY(noticeText().contains(QLatin1String("(Joint 9): 0 (file: \"\")")));
        BoxAnswers boxes;
        Property::SettingCommon common(m_store);
        common.initialize();
        common.updateUI();
        const QStringList texts = {QStringLiteral("abc"), QStringLiteral("0x10"),
                                   QStringLiteral("\"\""), QStringLiteral("1.#INF")};
        for (int joint = 6; joint <= 9; ++joint) {
            QWidget* box = editorOf(&common, cellKey(3015, 0, joint));
            QVERIFY2(isRed(box), qPrintable(QString::number(joint)));
            QCOMPARE(box->toolTip().section(QLatin1Char('\n'), 0, 0),
                     QStringLiteral("file: ") + texts[joint - 6]);
        }
        QVERIFY(!editorOf(&common, cellKey(3015, 0, 10))); // in no use, and plain

        // A text with a terminal's control sequence and a NUL, and a long one:
        // escaped, cut and named by its length, in the notice and the tip.
        const QByteArray text = QByteArray("\x1b[2J\0", 5) + QByteArray(100, 'x');
        const QString file =
            writeTestFile(path("control-text.txt"),
                          readTestFile(defaultSetPath())
                              .replace("\n3015-00-01,StopJudgeDist,1,1,1,1,1,1,0,",
                                       "\n3015-00-01,StopJudgeDist,1,1,1,1,1,1," + text + ','));
        openFile(file);
        const QString shown = QStringLiteral("$'\\x1b[2J\\x00%1'… (105 characters)")
                                  .arg(QString(35, QLatin1Char('x')));
        QVERIFY2(noticeText().contains(QStringLiteral("(file: %1)").arg(shown)),
                 qPrintable(noticeText()));
        common.updateUI();
        QCOMPARE(editorOf(&common, cellKey(3015, 0, 6))->toolTip().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("file: ") + shown);
    }

    // Nothing held in place of a file's text is written or certified
    // without the question that names it.
    void writesAskFirst()
    {
        openFile(testDataPath("wrapped-integers.txt"));
        BoxRecorder boxes;
        boxes.answers = {false, false};
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(path("written.txt"));
        QVERIFY(!m_provider->writeFile(nullptr));
        QVERIFY(!m_provider->writeReport(nullptr));
        QVERIFY(!QFile::exists(path("written.txt")));
        int asked = 0;
        for (const BoxRecorder::Box& box : boxes.boxes)
            asked += box.text.startsWith(
                QLatin1String("0 values outside their limits, 3 file texts not kept\n"));
        QCOMPARE(asked, 2);
    }

    // The report and its question are of the set as read, which Apply does
    // not change: a value applied in place of a file's text leaves the
    // applied set's findings, not the read set's.
    void theReadSetKeepsItsFindingsAfterApply()
    {
        openFile(testDataPath("wrapped-integers.txt"));
        QVERIFY(m_store->editImage().setI16(fieldNamed("ToolIDChngTable"), 0, 1, 3));
        m_store->update();
        QCOMPARE(ValueValidator::count(m_store->appliedImage()), (FindingCount{0, 2}));
        QCOMPARE(m_provider->masterOutsideLimits().size(), 3);
        BoxRecorder boxes;
        boxes.answers = {false};
        QVERIFY(!m_provider->writeReport(nullptr));
        QVERIFY2(boxes.boxes.first().text.startsWith(
                     QLatin1String("0 values outside their limits, 3 file texts not kept\n")),
                 qPrintable(boxes.boxes.first().text));
    }

    // The logic editor's checks cannot see a file's text: the row of a
    // formula and the signal whose entries the set holds in its place are
    // red and name the text, until the cell is edited.
    void logicCellsNameTheirFileTexts()
    {
        openFile(testDataPath("wrapped-logic.txt"));
        LogicalOp editor(nullptr, m_store);
        LogicTableModel* model = editor.model();
        const QColor red(255, 64, 64);
        const auto cell = [model](int result, int column) {
            return model->index(result - 1, column);
        };
        QCOMPARE(cell(2, LogicTableModel::ResultColumn).data(Qt::ForegroundRole), QVariant(red));
        QCOMPARE(cell(2, LogicTableModel::ResultColumn).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Operation: file: 65536\nInput 2: file: 65536"));
        QCOMPARE(cell(2, LogicTableModel::Input2Column).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("file: 65536"));
        QVERIFY(cell(1, LogicTableModel::ResultColumn).data(Qt::ForegroundRole) != QVariant(red));
        auto* signalList = editor.findChild<LogicAssignmentTree*>();
        signalList->showResult(*model, 2);
        QTreeWidgetItem* teachMode = signalList->itemOf(60001);
        QCOMPARE(teachMode->foreground(0).color(), red);
        QVERIFY(teachMode->toolTip(0).endsWith(QLatin1String("\nfile: 65536")));

        QVERIFY(model->setData(cell(2, LogicTableModel::OperationColumn), 5)); // NOT
        QVERIFY(cell(2, LogicTableModel::OperationColumn).data(Qt::ForegroundRole) !=
                QVariant(red));
        QVERIFY(cell(2, LogicTableModel::Input2Column).data(Qt::ForegroundRole) == QVariant(red));
        QVERIFY(m_store->editImage() == m_store->masterImage()); // the working copy only
    }

    // Page 25 names the values of joints its target does not offer in the
    // set's row tip: a wrapped one with the file's text, not as a bare value
    // that lies within its limits.
    void hiddenJointNamesItsFileText()
    {
        ParameterImage image = defaultImage();
        QVERIFY(image.setI16(fieldNamed("SelectAxisTargetRobot"), 0, 0, 0));
        const FieldDef& range = fieldNamed("SelectAxisRngMoveValid");
        QVERIFY(image.setI16(range, 0, 9, 1));
        UnkeptTexts texts;
        texts.note(image, range, 0, 9, QStringLiteral("65537"));
        m_store->unkeptTexts() = texts;
        loadMaster(m_store, image);
        BoxAnswers boxes;
        Property::Joint page(m_store);
        page.initialize();
        page.updateUI();
        QCOMPARE(page.findChild<SubMenuTable*>()->table()->item(0, 0)->toolTip(),
                 QStringLiteral("Outside their limits, not shown for this target:\n"
                                "Joint 10 Permitted/Fobidden Joint Range: 1 (file: 65537)"));
        m_store->unkeptTexts().clear();
    }

    // The point pages apply their own cells, not a section: Apply of another
    // value ends the file's text there too, so that the old value set back
    // is an edit like any other and not the file's text again.
    void pointPagesEndTheFileTextOnApply_data()
    {
        QTest::addColumn<bool>("armSpeed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("row"); // tool (tool speed)
        QTest::addColumn<int>("column");
        QTest::newRow("arm speed") << true << QStringLiteral("ArmSpeedUsrY") << 0 << 4;
        QTest::newRow("tool speed") << false << QStringLiteral("ToolSpeedMonY") << 2 << 4;
    }

    void pointPagesEndTheFileTextOnApply()
    {
        QFETCH(bool, armSpeed);
        QFETCH(QString, field);
        QFETCH(int, row);
        QFETCH(int, column);
        ParameterImage image = defaultImage();
        const FieldDef& cell = fieldNamed(field.toLatin1().constData());
        QVERIFY(image.setF32(cell, row, column, 0.0f));
        setI16(image, "ToolSpeedMonValid", 2, 4, 1);
        UnkeptTexts texts;
        texts.note(image, cell, row, column, QStringLiteral("abc"));
        m_store->unkeptTexts() = texts;
        loadMaster(m_store, image);
        std::unique_ptr<PropertyWidget> page;
        if (armSpeed)
            page.reset(new Property::ArmSpeed(m_store));
        else
            page.reset(new Property::ToolSpeed(m_store));
        page->initialize();
        const QList<SubMenuTable*> tables = page->findChildren<SubMenuTable*>();
        if (armSpeed) {
            page->findChildren<ComboBox*>().value(0)->setCurrentIndex(1); // the user set
            tables.value(0)->setCurrentRow(column, false);
        } else {
            tables.value(0)->setCurrentRow(row, false);
            tables.value(1)->setCurrentRow(column, false);
        }
        auto* box =
            qobject_cast<DoubleSpinBox*>(editorOf(page.get(), cellKey(cell.no, row, column)));
        QVERIFY(box && isRed(box));
        QVERIFY(box->toolTip().contains(QLatin1String("file: abc")));
        box->setValue(5.0);
        page->updateUI(); // as the box's focus leaves it
        barButton(page.get(), 0)->click();
        QVERIFY(!isRed(box));
        box->setValue(0.0);
        page->updateUI();
        QVERIFY(!isRed(box));
        QVERIFY(!box->toolTip().contains(QLatin1String("file:")));
        QVERIFY(barButton(page.get(), 0)->isEnabled());
        m_store->unkeptTexts().clear();
    }

    // Page 21 shows the set its switch names; a wrapped value of the other
    // set is named beside the switch, which the user need not change to
    // find what the menu marks, and so is a value of the stop distance
    // estimation that the page is marked for.
    void armModelNamesTheSetNotShown()
    {
        openFile(testDataPath("wrapped-integers.txt"));
        BoxAnswers boxes;
        Property::ArmModel page(m_store);
        page.initialize();
        page.updateUI();
        auto* note = page.findChild<QLabel*>(QStringLiteral("hiddenFindings"));
        QVERIFY(note && !note->isVisibleTo(&page));
        const int width = page.minimumSizeHint().width();

        ParameterImage image = defaultImage();
        const FieldDef& coordinate = fieldNamed("UsrArmModelCoordinateNo");
        UnkeptTexts texts;
        texts.note(image, coordinate, 0, 2, QStringLiteral("65536"));
        m_store->unkeptTexts() = texts;
        loadMaster(m_store, image); // the maker set shown
        page.updateUI();
        QVERIFY(note->isVisibleTo(&page));
        QVERIFY2(note->text().startsWith(QLatin1String(
                     "Outside their limits in the set not shown (User):\nModel No 3 ")),
                 qPrintable(note->text()));
        QVERIFY(note->text().endsWith(QLatin1String(": 0 (file: 65536)")));
        QVERIFY(m_store->editImage() == image);

        // Stop distance estimation counts to this page; no page offers it.
        const FieldDef& deceleration = fieldNamed("UserBreakingDecel");
        QVERIFY(image.setF32(deceleration, 0, 0, 0.0f));
        texts.note(image, deceleration, 0, 0, QStringLiteral("0x10"));
        m_store->unkeptTexts() = texts;
        loadMaster(m_store, image);
        page.updateUI();
        QVERIFY2(
            note->text().contains(QLatin1String("\nOutside their limits, shown on no page:\n")) &&
                note->text().endsWith(QLatin1String(": 0 (file: 0x10)")),
            qPrintable(note->text()));
        QCOMPARE(page.minimumSizeHint().width(), width); // it wraps, never widens the page
        m_store->unkeptTexts().clear();
    }

    // The window's count and --check agree on a file whose robot part is the
    // held one; otherwise they differ by exactly the robot part's values the
    // notice names as not taken.
    void countsAgreeWithTheCommandLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("untaken"); // cells --check lists and the window does not
        QTest::newRow("wrapped integers") << testDataPath("wrapped-integers.txt") << QStringList();
        QTest::newRow("float texts") << testDataPath("float-texts.txt") << QStringList();
        QTest::newRow("other robot part") << testDataPath("other-robot-part.txt")
                                          << QStringList{cellKey(3010, 0, 1), cellKey(3010, 0, 6)};
    }
    void countsAgreeWithTheCommandLine()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, untaken);
        StatusLine line(m_store);
        openFile(file);
        const QVector<LimitEntry> entries = ValueValidator::check(m_store->appliedImage());
        const QSet<QString> held = cellKeys(entries);
        const QSet<QString> checked = checkedCells(file);
        const FindingCount count = FindingCount::of(entries);
        QTRY_VERIFY(lineText(line).endsWith(countText(count.outsideLimits, count.textsNotKept)));
        QVERIFY(held.size() > 0);
        QCOMPARE(checked - held, QSet<QString>(untaken.begin(), untaken.end()));
        QVERIFY((held - checked).isEmpty());
    }

    // A file with another robot part: the notice counts the values not taken
    // in one line and lists them; the status line shows the signature a
    // write of the held set gives, not the file's.
    void otherRobotPartIsNamedAndSignedAsHeld()
    {
        StatusLine line(m_store);
        openFile(testDataPath("other-robot-part.txt"));
        const QString notice = noticeText();
        QVERIFY2(notice.startsWith(QLatin1String(
                     "0 values outside their limits, 1 file text not kept\n3 values of the "
                     "file's robot part were "
                     "not taken: the robot data held stays\n")),
                 qPrintable(notice));
        for (const char* untaken :
             {"(Joint 1): file 300, held 250", "(Joint 2): file 20000, held 250",
              "(Joint 7): file abc, held 0"})
            QVERIFY2(notice.contains(QLatin1String(untaken)), untaken);

        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(path("held.txt"));
        QVERIFY(m_provider->writeFile(nullptr));
        const quint32 written = readImage(path("held.txt")).allDataCRC();
        QVERIFY(written != otherRobotFileCrc);
        QTRY_VERIFY(lineText(line).contains(QStringLiteral("All data CRC %1 (0x").arg(written)));
        QVERIFY(lineText(line).contains(QLatin1String("Source: other-robot-part.txt")));
    }

    // Read Robot Data names its file beside the set's and signs the new set.
    // Each file carries "not signed" only where its own CRCs were skipped;
    // the notice after the read says so of the robot file.
    void robotDataReadIsNamedBesideTheSet_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("robotFile");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note");
        const QString other = QStringLiteral("other-robot-part.txt");
        const QString unsigned9894 = QStringLiteral("commandline/unsigned-9894.txt");
        QTest::newRow("both signed")
            << "" << other << "Source: default.txt; Robot data: other-robot-part.txt"
            << "";
        QTest::newRow("unsigned set, signed robot file")
            << unsigned9894 << other
            << "Source: unsigned-9894.txt, not signed; Robot data: other-robot-part.txt"
            << "";
        QTest::newRow("signed set, unsigned robot file")
            << "" << unsigned9894
            << "Source: default.txt; Robot data: unsigned-9894.txt, not signed"
            << "The robot data file is not signed: ";
    }
    void robotDataReadIsNamedBesideTheSet()
    {
        QFETCH(QString, set);
        QFETCH(QString, robotFile);
        QFETCH(QString, note);
        const QString robotPath = testDataPath(qPrintable(robotFile));
        StatusLine line(m_store);
        line.resize(1600, line.sizeHint().height());
        line.show();
        if (!set.isEmpty())
            openFile(testDataPath(qPrintable(set)));
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(robotPath);
        QVERIFY(m_provider->readRobotParam(nullptr));
        const quint32 crc = Crc32c::imageSignature(m_store->appliedImage()).allData;
        QTRY_VERIFY(lineText(line).contains(QStringLiteral("All data CRC %1 (0x").arg(crc)));
        QFETCH(QString, shown);
        QTRY_VERIFY2(lineText(line).contains(QLatin1Char('|') + shown + QLatin1Char('|')),
                     qPrintable(lineText(line)));
        const QLabel* source = nullptr;
        for (const QLabel* label : line.findChildren<QLabel*>())
            if (label->text().startsWith(QLatin1String("Source:")))
                source = label;
        QVERIFY(source);
        QVERIFY2(source->toolTip().contains(QLatin1String("Robot data: ") + robotPath),
                 qPrintable(source->toolTip()));
        QCOMPARE(source->toolTip().count(QLatin1String("Not checked")),
                 shown.count(QLatin1String("not signed")));
        // Orange while either file is not signed.
        QCOMPARE(source->palette().color(QPalette::WindowText) == QColor(0xff, 0xa5, 0x00),
                 shown.contains(QLatin1String("not signed")));
        QCOMPARE(noticeText().startsWith(note + robotPath), !note.isEmpty());
        // The notice lists the robot file's skipped CRCs.
        QCOMPARE(noticeText().endsWith(QLatin1String("\nAll data CRC: 9894, not checked")),
                 !note.isEmpty());
        if (!note.isEmpty())
            QCOMPARE(m_provider->limitNotice()->windowTitle(), QStringLiteral("Read Robot Data"));
        if (robotFile.startsWith(QLatin1String("other")))
            QTRY_VERIFY(lineText(line).endsWith(countText(1, 1))); // 20000 and "abc"
    }

    // Two long-named unsigned files, an applied change and the widest CRC:
    // in every language the line fits a 1280-pixel screen less a frame,
    // keeps the height it started with, shows every word whole and says
    // "not signed" of each file, and each name shows its first characters.
    void statusLineFitsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* code : {"en", "ja", "ko", "zh"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void statusLineFitsInEveryLanguage()
    {
        QFETCH(QString, language);
        LanguageSetting::setLanguage(&LanguageSetting::findRow(language));
        const auto english =
            qScopeGuard([] { LanguageSetting::setLanguage(&LanguageSetting::englishRow()); });
        StatusLine line(m_store);
        line.show();
        const int startHeight = line.sizeHint().height();
        // Of distinct characters, so that a cut shows which ones it kept.
        const auto distinct = [](const char* prefix, ushort first) {
            QString name = QLatin1String(prefix);
            for (ushort c = first; c < first + 90; ++c)
                name += QChar(c);
            return name + ".txt";
        };
        const QString names[] = {distinct("set_", 0x100), distinct("robot_", 0x100 + 90)};
        for (const QString& name : names)
            QVERIFY(
                QFile::exists(m_dir.filePath(name)) ||
                QFile::copy(testDataPath("commandline/unsigned-9894.txt"), m_dir.filePath(name)));
        openFile(m_dir.filePath(names[0]));
        {
            BoxRecorder boxes;
            DialogAnswers dialogs;
            dialogs.chooseFileNamed(m_dir.filePath(names[1]));
            QVERIFY(m_provider->readRobotParam(nullptr));
        }
        QVERIFY(m_store->editImage().setI16(fieldNamed("UsrSafetyFilterTime"), 0, 0, 7));
        m_store->update(35);
        const auto tr = [](const char* text) {
            return QCoreApplication::translate("StatusLine", text).split(QStringLiteral("%1"));
        };
        const QStringList source = tr("Source: %1, not signed");
        const QStringList robot = tr("Robot data: %1, not signed");
        QLabel* sourceLabel = nullptr;
        QLabel* signature = nullptr;
        QTRY_VERIFY(lineText(line).contains(tr("Applied changes not yet written").first()));
        for (QLabel* label : line.findChildren<QLabel*>()) {
            if (label->text().startsWith(source.first()))
                sourceLabel = label;
            if (label->text().startsWith(tr("All data CRC %1").first()))
                signature = label;
        }
        QVERIFY(sourceLabel && signature);
        // No CRC is wider than ten of the widest digit and eight of the widest hex digit.
        const QFontMetrics metrics = signature->fontMetrics();
        const auto widest = [&](const QString& digits) {
            return *std::max_element(digits.begin(), digits.end(), [&](QChar a, QChar b) {
                return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
            });
        };
        signature->setText(signature->text().replace(
            QRegularExpression(QStringLiteral("\\d+ \\(0x[0-9a-f]+\\)")),
            QStringLiteral("%1 (0x%2)")
                .arg(QString(10, widest("0123456789")), QString(8, widest("0123456789abcdef")))));
        const QRegularExpression sources(
            QRegularExpression::escape(source.first()) + "(.+)" +
            QRegularExpression::escape(source.last() + "; " + robot.first()) + "(.+)" +
            QRegularExpression::escape(robot.last()) + "$");

        QVERIFY2(line.minimumSizeHint().width() <= 1278,
                 qPrintable(QString::number(line.minimumSizeHint().width())));
        QCOMPARE(line.sizeHint().height(), startHeight);
        for (const int width : {1, 1278}) {
            line.resize(width, startHeight);
            // As wide as the label itself asks to be for its text.
            const auto clipped = [&line] {
                for (const QLabel* label : line.findChildren<QLabel*>())
                    if (label->isVisibleTo(&line) && label->width() < label->sizeHint().width())
                        return label->text();
                return QString();
            };
            QTRY_VERIFY2(clipped().isNull(), qPrintable(clipped()));
            const QRegularExpressionMatch match = sources.match(sourceLabel->text());
            QVERIFY2(match.hasMatch(), qPrintable(sourceLabel->text()));
            // Whole, or its beginning and, where there is room, its end
            // around the ellipsis.
            for (int i = 0; i < 2; ++i) {
                const QString shown = match.captured(i + 1);
                const QString head = shown.section(QChar(0x2026), 0, 0);
                const QString tail = shown.section(QChar(0x2026), 1);
                QVERIFY2(shown == names[i] ||
                             (head.size() >= 6 && names[i].startsWith(head) &&
                              names[i].endsWith(tail) && (width == 1 || !tail.isEmpty())),
                         qPrintable(shown));
            }
        }
    }

    // A robot type name with a zero byte is stored up to that byte: Read
    // Robot Data notes the file's whole text, as --check lists it.
    void robotNameWithAZeroByteIsNoted()
    {
        const FieldDef& name = fieldNamed("RobotTypeName");
        const QString held = m_store->masterImage().textAt(name.offset);
        QVERIFY(!held.isEmpty());
        const QString text = held + QChar(0) + QStringLiteral("x");
        // Signed as the read stores it.
        ParameterImage image = defaultImage();
        IO::Decoder::storeCell(image, name, 0, 0, text);
        const QString file = path("zero-byte.txt");
        QVERIFY(writeEditedFile(file, image, {{"RobotTypeName", 0, 0, text}}));
        StatusLine line(m_store);
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(file);
        QVERIFY(m_provider->readRobotParam(nullptr));
        const QSet<QString> listed{cellKey(name.no, 0, 0)};
        QCOMPARE(checkedCells(file), listed);
        QCOMPARE(cellKeys(ValueValidator::check(m_store->appliedImage())), listed);
        QTRY_VERIFY2(lineText(line).endsWith(countText(0, 1)), qPrintable(lineText(line)));
        QCOMPARE(m_store->masterImage().textAt(name.offset), held);
    }

    // A file name holding a bidirectional control is shown escaped, never
    // reordered.
    void sourceNamesAreShownEscaped()
    {
        StatusLine line(m_store);
        line.resize(1600, line.sizeHint().height());
        line.show();
        const QString robotFile = m_dir.filePath(QStringLiteral("rlo\u202etxt.pdf.txt"));
        QVERIFY(QFile::copy(testDataPath("other-robot-part.txt"), robotFile));
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(robotFile);
        QVERIFY(m_provider->readRobotParam(nullptr));
        QTRY_VERIFY2(
            lineText(line).contains(QLatin1String("Robot data: $'rlo\\xe2\\x80\\xaetxt.pdf.txt'")),
            qPrintable(lineText(line)));
        QVERIFY(!lineText(line).contains(QChar(0x202e)));
        // The result box names it so too.
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(boxes.boxes.first().text.endsWith(QLatin1String("rlo\\xe2\\x80\\xaetxt.pdf.txt'")),
                 qPrintable(boxes.boxes.first().text));
    }

    // Every result box that names a file shows a name holding a
    // bidirectional control escaped, as the status line does.
    void resultBoxesQuoteTheName_data()
    {
        QTest::addColumn<QString>("read"); // the file read; none where a report is written
        QTest::newRow("Open File") << testDataPath("other-robot-part.txt");
        QTest::newRow("failed read") << testDataPath("commandline/README.md");
        QTest::newRow("report written") << QString();
    }
    void resultBoxesQuoteTheName()
    {
        QFETCH(QString, read);
        const QString file = m_dir.filePath(QStringLiteral("rlo\u202etxt.pdf"));
        QFile::remove(file);
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(file);
        if (read.isEmpty()) {
            QVERIFY(exportSafetyReport(nullptr));
        } else {
            QVERIFY(QFile::copy(read, file));
            QCOMPARE(m_provider->readFile(nullptr), read.endsWith(QLatin1String(".txt")));
        }
        QVERIFY(!boxes.boxes.isEmpty());
        QVERIFY2(boxes.lastText().contains(QLatin1String("rlo\\xe2\\x80\\xaetxt.pdf'")) &&
                     !boxes.lastText().contains(QChar(0x202e)),
                 qPrintable(boxes.lastText()));
    }

    // Over random sets with random noted texts, every editor of the pages
    // that show them is red exactly where the validator lists its cell, and
    // names the file's text exactly where that was not kept.
    void randomNotesMarkTheirEditors()
    {
        BoxAnswers boxes;
        std::vector<std::unique_ptr<PropertyWidget>> panels;
        panels.emplace_back(new Property::SettingCommon(m_store));
        panels.emplace_back(new Property::ToolModel(m_store));
        panels.emplace_back(new Property::StopMonitoring(m_store));
        panels.emplace_back(new Property::ProtectiveStopUserProtectiveStop(m_store));
        panels.emplace_back(new Property::SafetyInput(m_store));
        for (const auto& panel : panels)
            panel->initialize();
        int named = 0;
        for (quint32 seed = 1; seed <= 30; ++seed) {
            ParameterImage image = defaultImage();
            QRandomGenerator random(seed);
            const ParameterImage values = randomImage(seed);
            UnkeptTexts texts;
            for (const char* name : {"ToolIDChngTable", "StopJudgeDist", "ProtStopUsrValid",
                                     "UsrSafetyFilterTime", "ToolModelRadius", "StopMonValid"}) {
                const FieldDef& field = fieldNamed(name);
                for (int r = 0; r < field.rows; ++r)
                    for (int c = 0; c < field.columns; ++c) {
                        const int offset = ParameterLayout::cellOffset(field, r, c);
                        const int pick = random.bounded(4);
                        if (pick == 0) // a random value
                            std::memcpy(image.data() + offset, values.data() + offset,
                                        std::size_t(ParameterLayout::valueSize(field.type)));
                        if (pick == 1) // a text it did not keep
                            texts.note(image, field, r, c,
                                       field.type == ValueType::F32 ? QStringLiteral("x%1").arg(c)
                                                                    : QStringLiteral("99999"));
                    }
            }
            m_store->unkeptTexts() = texts;
            loadMaster(m_store, image);
            const QVector<LimitEntry> entries = ValueValidator::check(image);
            const QSet<QString> listed = cellKeys(entries);
            QSet<QString> notKept;
            for (const LimitEntry& entry : entries)
                if (entry.problem == LimitEntry::TextNotKept)
                    notKept << cellKey(entry.no, entry.row, entry.column);
            for (const auto& panel : panels) {
                for (const auto& [cell, editor] :
                     filledEditors(panel.get(), [&panel] { panel->updateUI(); })) {
                    QVERIFY2(isRed(editor) == listed.contains(cell),
                             qPrintable(QStringLiteral("seed %1 cell %2").arg(seed).arg(cell)));
                    const bool namesText = editor->toolTip().startsWith(QLatin1String("file: "));
                    QCOMPARE(namesText, notKept.contains(cell));
                    named += namesText;
                }
            }
            QVERIFY(m_store->editImage() == image);
        }
        QVERIFY2(named > 30, qPrintable(QString::number(named)));
        m_store->unkeptTexts().clear();
    }
};

QTEST_MAIN(TestLoadedSetFindings)
#include "tst_loadedsetfindings.moc"
