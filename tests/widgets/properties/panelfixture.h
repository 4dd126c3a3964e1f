#pragma once

// Shared by the panel tests: a loaded parameter set, the byte ranges in
// which two images differ, message boxes answered without a person and the
// page under test with its Apply and leave checks.

#include "dataproviderfixture.h"
#include "parameter/parameter.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/msgbox.h"
#include "widgets/submenutable.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QPair>
#include <QPushButton>
#include <QTableWidget>
#include <QVariant>
#include <QVector>

#include <functional>

// Text colours of an item table's rows: edited, applied but not written, equal.
const QColor changedColour(30, 144, 255);
const QColor updatedColour(255, 165, 0);
const QColor plainColour(228, 228, 228);

inline QColor rowColour(const SubMenuTable* table, int row)
{
    return table->table()->item(row, 0)->foreground().color();
}

// Apply (0) or Cancel (1) of a panel's bar; panels may have buttons of
// their own before it.
inline QPushButton* barButton(const QWidget* panel, int index)
{
    if (index == 0)
        return panel->findChild<ButtonPrimary*>();
    return index == 1 ? panel->findChild<ButtonSecondary*>() : nullptr;
}

// The entries of a combo box.
inline QStringList itemTexts(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// A button of a panel by its text.
inline QPushButton* buttonWithText(const QWidget* panel, const QString& text)
{
    for (QPushButton* button : panel->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Makes the image the master, applied and edit data, as a read does.
inline void loadMaster(Parameter* store, const ParameterImage& image)
{
    store->editImage() = image;
    store->setMasterData(true);
}

// The editors of a panel that show a cell after the panel fills them, with
// the cell each names ("number/row/column"); one left unfilled (a joint
// switch without a joint) shows none.
inline QVector<QPair<QString, const QWidget*>> filledEditors(QWidget* panel,
                                                             const std::function<void()>& fill)
{
    for (QWidget* editor : panel->findChildren<QWidget*>())
        editor->setProperty("boundCell", QVariant());
    fill();
    QVector<QPair<QString, const QWidget*>> editors;
    for (const QWidget* editor : panel->findChildren<QWidget*>())
        if (!editor->property("boundCell").toString().isEmpty())
            editors.append({editor->property("boundCell").toString(), editor});
    return editors;
}

using ByteRanges = QVector<QPair<int, int>>; // [begin, end)

// Where two images differ, as runs of bytes.
inline ByteRanges differingRanges(const ParameterImage& a, const ParameterImage& b)
{
    ByteRanges ranges;
    for (int i = 0; i < ParameterImage::Size; ++i) {
        if (a.data()[i] == b.data()[i])
            continue;
        if (!ranges.isEmpty() && ranges.last().second == i)
            ranges.last().second = i + 1;
        else
            ranges.append({i, i + 1});
    }
    return ranges;
}

// Whether every differing byte lies in one of the allowed ranges.
inline bool differsOnlyIn(const ParameterImage& a, const ParameterImage& b,
                          const ByteRanges& allowed)
{
    for (const auto& range : differingRanges(a, b)) {
        bool inside = false;
        for (const auto& ok : allowed)
            inside = inside || (range.first >= ok.first && range.second <= ok.second);
        if (!inside)
            return false;
    }
    return true;
}

// Every MsgBox shown while it lives: the leave-the-page question takes the
// next answer (Yes when none is left); other boxes are closed with OK.
class BoxAnswers
{
public:
    QStringList titles;
    QStringList texts;
    QList<bool> answers;

    BoxAnswers()
    {
        MsgBox::setAutoAnswer([this](QMessageBox& box) -> QAbstractButton* {
            titles << box.windowTitle();
            texts << box.text();
            QAbstractButton* yes = nullptr;
            QAbstractButton* no = nullptr;
            for (QAbstractButton* button : box.buttons()) {
                if (box.buttonRole(button) == QMessageBox::YesRole)
                    yes = button;
                if (box.buttonRole(button) == QMessageBox::NoRole)
                    no = button;
            }
            if (yes && no)
                return answers.isEmpty() || answers.takeFirst() ? yes : no;
            return box.button(QMessageBox::Ok);
        });
    }
    ~BoxAnswers() { MsgBox::setAutoAnswer(MsgBox::AutoAnswer()); }
};

// As the program does: the cost-over notice is the warning box (nullptr
// takes it back).
inline void noticeCostOverInBox(Parameter* store, bool on)
{
    if (!on) {
        store->setCostOverNotice(nullptr);
        return;
    }
    store->setCostOverNotice([](QWidget* parent, const QString& title, const QString& text) {
        MsgBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box.exec();
    });
}

// What the page tests share: the English texts, the one store and the page
// under test, opened on an image as a read leaves it.
template <class Panel> class PanelTest
{
protected:
    PanelTest()
    {
        if (!installEnglish())
            qFatal("The English catalogue is missing");
    }

    void open(const ParameterImage& image)
    {
        loadMaster(m_store, image);
        m_panel = new Panel(m_store);
        m_panel->initialize();
    }

    QPushButton* button(const QString& text) const { return buttonWithText(m_panel, text); }

    // Apply, enabled by the edits, takes them and is disabled again; the
    // applied image changes in the given cells and the two update times only.
    void verifyApplyChangesOnly(ByteRanges cells, int areaTime = 65464)
    {
        const ParameterImage before = m_store->appliedImage();
        QVERIFY(barButton(m_panel, 0)->isEnabled());
        barButton(m_panel, 0)->click();
        QVERIFY(!barButton(m_panel, 0)->isEnabled());
        cells << qMakePair(65448, 65452) << qMakePair(areaTime, areaTime + 4);
        QVERIFY(differsOnlyIn(before, m_store->appliedImage(), cells));
    }

    // Leaving with unapplied edits asks: No keeps every edit, Yes takes back
    // this page's cells but not another page's edit.
    void verifyLeavingAsksAndKeepsOtherPages(int areaTime = 65464)
    {
        m_store->editImage().setI16At(56404, 1); // the mode speed page's
        const ParameterImage edited = m_store->editImage();
        BoxAnswers boxes;
        boxes.answers = {false, true};
        QVERIFY(!m_panel->requestClose());
        QVERIFY(m_store->editImage() == edited);
        QVERIFY(m_panel->requestClose());
        QCOMPARE(boxes.titles.size(), 2);
        QVERIFY(differsOnlyIn(m_store->appliedImage(), m_store->editImage(),
                              {{56404, 56406}, {65448, 65452}, {areaTime, areaTime + 4}}));
    }

    Parameter* const m_store = Parameter::instance();
    Panel* m_panel = nullptr;
};
