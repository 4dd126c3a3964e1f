#pragma once

#include <QMetaObject>
#include <QVector>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <iterator>

class ButtonPrimary;
class ButtonSecondary;
class Parameter;
class QVBoxLayout;

// Base of every property panel: a vertical stack of titled sections over an
// Apply/Cancel bar, working on the edit image of the parameter store. The
// main window constructs the panels; View::load builds each one once
// through initialize().
//
// The edit cycle: editors write the edit image only; Apply (apply()) commits
// the panel's section to the applied image and stamps its update time;
// Cancel (cancel(), also Escape) asks requestClose(), which offers to throw
// the unapplied edits away.
//
// How a panel is built, styled and sized (the start-up builds every panel, so
// this is what keeps it fast). Qt re-styles a widget that has a style sheet,
// with its whole subtree, each time the widget or a styled ancestor moves to
// another parent, and the themed editors all carry a sheet. So every widget
// should move at most once:
// - initialize() builds each section completely (editors, rows, item texts)
//   and then hands it to addSection(); it never builds a group inside a
//   temporary container that is moved again later.
// - A widget made for a container it stays in (a cell widget, a child of a
//   section frame) is created with that container as its parent; addSection()
//   and addButtons() do so for the titles and the Apply/Cancel bar.
// - A SubMenuTable creates all its rows in its constructor; set its header
//   texts, then call adjustLayout() once.
// - A widget sets its own style sheet once, in its constructor; a sheet on an
//   ancestor already applies to the children. The themed editors hand their
//   fixed sheets to PolishStyle::set(), which gives them when the editor is
//   first polished, so moving an editor that was never measured costs no
//   re-styling; a new themed widget class does the same. Measuring a widget
//   (sizeHint(), adjustSize()) polishes it with its subtree, which is then
//   re-styled on each move: where possible, measure after placing. A
//   container that is moved (a section, a composite editor) carries no
//   sheet itself: a widget without one moves without re-styling its
//   children while no sheet is above it yet (SubMenuTable keeps its sheet
//   on its inner table).
// - Refreshing an editor's edit state costs nothing when it is unchanged
//   (the editors' setState()), so updateUI() may set every state each time.
class PropertyWidget : public QWidget
{
    Q_OBJECT

public:
    // The user event a panel posts to itself to refresh later.
    static constexpr int UpdateEventType = 1000;

    // scene: the page the panel stands for (its section in the store).
    explicit PropertyWidget(Parameter* parameter, int scene = 0, QWidget* parent = nullptr);
    ~PropertyWidget() override;

    // Builds the panel's editors, sections, buttons and connections once.
    virtual void initialize() = 0;
    // Refreshes the editors and their edit states from the edit image.
    virtual void updateUI() {}
    // Whether the panel may be left; a panel with unapplied edits asks the
    // user first.
    virtual bool requestClose() { return true; }

    bool isInitialized() const { return initialized; }
    // "Upper : <upper> Lower : <lower>" in the user's language, the limits
    // with up to 7 significant digits; the tool tip of ranged editors.
    static QString rangeToolTip(double lower, double upper);
    int scene() const { return m_scene; }

public slots:
    virtual void propertyApply() {}
    virtual void propertyRestore() {}
    // Without the buttons (before addButtons) these four do nothing.
    virtual void setApplyEnabled(bool enabled);
    virtual void setCancelEnabled(bool enabled);
    virtual void setApplyVisible(bool visible);
    virtual void setCancelVisible(bool visible);

signals:
    void apply();
    void cancel();

protected:
    // Appends a title row and the section widget below it.
    void addSection(const QString& title, QWidget* section);
    // The Apply/Cancel bar: Apply emits apply(), Cancel emits cancel().
    void addButtons();
    // Tab order: the panel's last editor, then Apply, then Cancel.
    void setTabOrder(QWidget* lastEditor);
    // The refresh runs later in the event loop, once per request.
    void requestUpdate();
    // Refreshes every time the page of the panel's scene has been loaded.
    void refreshOnPageLoad();
    // For cancel(): the result only matters to the function menu.
    void cancelRequested() { requestClose(); }
    // The common requestClose(): true at once without unapplied edits;
    // otherwise asks whether to throw them away: No keeps them and the page
    // (false), Yes runs restore and gives true.
    bool closeDiscarding(bool changed, const std::function<void()>& restore);
    // Apply and Cancel are enabled exactly while the panel has unapplied edits.
    void showModified(bool modified)
    {
        setCancelEnabled(modified);
        setApplyEnabled(modified);
    }

    // While the panel is shown, follow runs with each widget that takes the
    // keyboard focus (nullptr when the focus leaves the program); the pages
    // that mark the focused editor's point in the 3D view use it.
    void followFocusWhileShown(const std::function<void(QWidget*)>& follow);
    // The position in editors of the editor that holds the focus itself or
    // through its inner line edit; -1 for none.
    template <typename Editors> static int focusedEditor(const Editors& editors, QWidget* now)
    {
        for (QWidget* candidate : {now, now ? now->parentWidget() : nullptr}) {
            const auto at = std::find(std::begin(editors), std::end(editors), candidate);
            if (candidate && at != std::end(editors))
                return int(at - std::begin(editors));
        }
        return -1;
    }
    // Marks a point in the 3D view (0 none) and, from 0 on, the outline part
    // it stands on; the view is told only when the mark changes.
    void showMarker(quint8 marker, qint32 part = -1);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    Parameter* m_parameter = nullptr;
    int m_scene = 0;
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_buttonBar = nullptr;
    ButtonPrimary* m_applyButton = nullptr;
    ButtonSecondary* m_cancelButton = nullptr;
    // Connections that live only while the panel is shown; hiding drops them.
    QVector<QMetaObject::Connection> m_connections;
    bool initialized = false;
    // True while updateUI() fills the editors, so that their change signals
    // are not taken for user input.
    bool updating = false;
};
