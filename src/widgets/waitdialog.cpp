#include "waitdialog.h"

#include "widgetstylesheets.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int boxWidth = 380;
constexpr int boxHeight = 80;
} // namespace

WaitDialog::WaitDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setStyleSheet(WidgetStyleSheets::waitDialog);
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Writing parameters..."), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);

    QRect area;
    if (parent)
        area = parent->geometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    setGeometry(area.x() + (area.width() - boxWidth) / 2,
                area.y() + (area.height() - boxHeight) / 2, boxWidth, boxHeight);
    setVisible(true);
}
