#pragma once

#include <QDialog>
#include <QVector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QScrollArea;

// The speed monitoring points that one custom speed set watches, as check
// lists: the points on the arm and devices are two words of 20 bits, the
// points on a tool one word of 21 bits per tool, bit n for point n + 1. The
// dialog edits copies of the words; its owner writes them on OK, and
// Cancel leaves them alone. Bits without a known meaning (the 21st tool
// bit) and bits above a word's limit are shown by number, cannot be
// changed and are kept as stored; the latter are marked.
class SpeedPointDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ArmWordCount = 2;
    static constexpr int ArmBits = 20;
    static constexpr int ToolCount = 32;
    static constexpr int ToolBits = 21;
    static constexpr int PointCount = 20;

    // arm: 2 words, tools: 32 words (missing words read 0); tool: the tool
    // shown first, kept within 0..31.
    SpeedPointDialog(const QVector<quint32>& arm, const QVector<quint32>& tools, int tool,
                     QWidget* parent = nullptr);

    const QVector<quint32>& armWords() const { return m_arm; }
    const QVector<quint32>& toolWords() const { return m_tools; }
    int currentTool() const { return m_tool; }

signals:
    // A check or the shown tool changed.
    void pointsChanged();

private:
    // Fills a check list from a word: the points, then the set bits that
    // stand for no point.
    void fillList(QListWidget* list, quint32 word, int bits);
    void chooseTool(int tool);
    void showToolNames();
    void toggle(QListWidgetItem* item, quint32& word);
    void fitToScreen(QScrollArea* scroll);

    QVector<quint32> m_arm;
    QVector<quint32> m_tools;
    int m_tool = 0;
    QListWidget* m_armLists[ArmWordCount] = {};
    QListWidget* m_toolList = nullptr;
    QListWidget* m_toolPoints = nullptr;
    bool m_filling = false;
};
