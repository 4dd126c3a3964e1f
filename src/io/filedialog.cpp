#include "io/filedialog.h"

#include "app/core/displaytext.h"
#include "io/okcancelrow.h"
#include "widgets/msgbox.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum ItemKind
{
    UpItem,
    FolderItem,
    FileItem,
};
constexpr int kindRole = Qt::UserRole;
constexpr int pathRole = Qt::UserRole + 1;

IO::FileDialog::AutoAnswer& autoAnswer()
{
    static IO::FileDialog::AutoAnswer answer;
    return answer;
}

// The files a dialog lists: parameter files, or reports for the report.
bool isListedFileName(IO::FileDialog::Type type, const QString& name)
{
    return name.endsWith(QLatin1String(type == IO::FileDialog::SaveSafetyReport ? ".pdf" : ".txt"),
                         Qt::CaseInsensitive);
}

} // namespace

namespace IO {

const QString FileDialog::driveLabels[3] = {QStringLiteral("CFast"), QStringLiteral("PC Disk"),
                                            QStringLiteral("Orbilux")};
const QString FileDialog::driveButtonLabels[3] = {
    QStringLiteral("CFast(&C)"), QStringLiteral("PC Disk(&P)"), QStringLiteral("Orbilux(&C)")};
const QString FileDialog::folderIconPath = QStringLiteral(":/assets/image/folder_black.png");
const int FileDialog::typeModes[5] = {SaveMode, OpenMode, OpenMode, OpenMode, SaveMode};
const QString FileDialog::contentStyleSheet =
    QStringLiteral("QWidget { background-color: white; color: black; }");

FileDialog::FileDialog(Type type, bool online, const QString& localFolder,
                       const QString& remoteFolder, RemoteLister lister, const QString& fileName,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_type(type),
      m_online(online), m_localFolder(QDir::cleanPath(localFolder)), m_remoteFolder(remoteFolder),
      m_lister(std::move(lister))
{
    static const char* const titles[5] = {
        QT_TR_NOOP("Output ParameterFile"), QT_TR_NOOP("Open File"), QT_TR_NOOP("Verify File"),
        QT_TR_NOOP("Read Robot Data"), QT_TR_NOOP("Export Safety Report")};
    setWindowTitle(tr(titles[type]));
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    resize(560, 420);

    auto* layout = new QVBoxLayout(this);
    auto* driveRow = new QHBoxLayout;
    m_driveButtons = new QButtonGroup(this);
    for (int drive = CFast; drive <= Orbilux; ++drive) {
        if (drive == Orbilux && type != OpenRobotData)
            continue;
        auto* radio = new QRadioButton(driveButtonLabels[drive], this);
        radio->setEnabled(isDriveOffered(Drive(drive)));
        m_driveButtons->addButton(radio, drive);
        m_driveRadios[drive] = radio;
        driveRow->addWidget(radio);
    }
    driveRow->addStretch();
    layout->addLayout(driveRow);

    auto* content = new QWidget(this);
    content->setStyleSheet(contentStyleSheet);
    auto* contentLayout = new QVBoxLayout(content);
    m_folderLabel = new QLabel(content);
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    contentLayout->addWidget(m_folderLabel);
    m_tree = new QTreeWidget(content);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    contentLayout->addWidget(m_tree);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("File name:"), content));
    m_nameEdit = new QLineEdit(fileName, content);
    m_nameEdit->setReadOnly(mode() == OpenMode);
    nameRow->addWidget(m_nameEdit);
    contentLayout->addLayout(nameRow);
    layout->addWidget(content);

    m_okButton = addOkCancelRow(this, layout).ok;
    m_okButton->setDefault(true);

    connect(m_nameEdit, &QLineEdit::textChanged, this, &FileDialog::updateButtons);
    connect(m_tree, &QTreeWidget::itemClicked, this, &FileDialog::itemClicked);
    connect(m_tree, &QTreeWidget::itemActivated, this, &FileDialog::itemActivated);
    connect(m_driveButtons, &QButtonGroup::idClicked, this,
            [this](int drive) { selectDrive(Drive(drive)); });

    // The unit's own folder (or the unit) comes first while online.
    m_drive = !isDriveOffered(CFast) ? PcDisk : type == OpenRobotData ? Orbilux : CFast;
    if (m_driveRadios[m_drive])
        m_driveRadios[m_drive]->setChecked(true);
    m_folder = folderOf(m_drive);
}

int FileDialog::exec()
{
    fill();
    if (m_listingFailed)
        return Rejected;
    const AutoAnswer& answer = autoAnswer();
    if (!answer)
        return QDialog::exec();
    // Each call answers the dialog once; a name not to be replaced returns
    // to the dialog, as it does for a person.
    bool accepted = false;
    while (!accepted && answer(*this) && !m_listingFailed && canAccept())
        accepted = mayTake();
    setResult(accepted ? Accepted : Rejected);
    return result();
}

void FileDialog::done(int result)
{
    if (result == Accepted && !mayTake())
        return;
    QDialog::done(result);
}

bool FileDialog::mayTake()
{
    if (mode() != SaveMode || m_drive == Orbilux)
        return true;
    const QString path = selectedPath();
    const QFileInfo target(path);
    const bool exists = m_drive == CFast ? m_remoteNames.contains(fileName())
                                         : target.exists() || target.isSymLink();
    if (!exists)
        return true;
    MsgBox box(QMessageBox::Warning, windowTitle(),
               tr("%1 already exists. Replace it?").arg(DisplayText::fileName(target.fileName())),
               QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool FileDialog::isDriveOffered(Drive drive) const
{
    switch (drive) {
    case CFast:
        return m_online && m_type != SaveSafetyReport;
    case PcDisk:
        return true;
    case Orbilux:
        return m_online && m_type == OpenRobotData;
    }
    return false;
}

bool FileDialog::selectDrive(Drive drive)
{
    if (!isDriveOffered(drive))
        return false;
    m_drive = drive;
    if (m_driveRadios[drive])
        m_driveRadios[drive]->setChecked(true);
    m_folder = folderOf(drive);
    if (mode() == OpenMode)
        m_nameEdit->clear();
    fill();
    return true;
}

QString FileDialog::folderOf(Drive drive) const
{
    return drive == CFast ? m_remoteFolder : drive == PcDisk ? m_localFolder : QString();
}

bool FileDialog::setLocalFolder(const QString& folder)
{
    if (m_drive != PcDisk || !QFileInfo(folder).isDir())
        return false;
    m_localFolder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_folder = m_localFolder;
    if (mode() == OpenMode)
        m_nameEdit->clear();
    fill();
    return true;
}

QString FileDialog::fileName() const
{
    return m_nameEdit->text().trimmed();
}

void FileDialog::setFileName(const QString& name)
{
    m_nameEdit->setText(name);
}

QString FileDialog::selectedPath() const
{
    const QString name = fileName();
    if (m_drive == Orbilux || name.isEmpty())
        return QString();
    // A report is always a PDF: the name is completed before it is asked about.
    const QString completed =
        m_type == SaveSafetyReport && !name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
            ? name + QStringLiteral(".pdf")
            : name;
    if (m_drive == PcDisk && QDir::isAbsolutePath(completed))
        return QDir::cleanPath(completed);
    return m_folder + QLatin1Char('/') + completed;
}

void FileDialog::setAutoAnswer(AutoAnswer answer)
{
    autoAnswer() = std::move(answer);
}

void FileDialog::fill()
{
    m_tree->clear();
    m_files.clear();
    m_remoteNames.clear();
    // One icon for every folder row: each QIcon made from the path reads the file.
    const QIcon folderIcon(folderIconPath);
    auto* top = new QTreeWidgetItem(m_tree, {driveLabels[m_drive]});
    top->setIcon(0, folderIcon);
    top->setFlags(Qt::ItemIsEnabled);
    m_folderLabel->setText(m_drive == Orbilux ? tr("The robot data is read from Orbilux.")
                                              : m_folder);
    m_nameEdit->setEnabled(m_drive != Orbilux);
    if (m_drive == PcDisk)
        fillLocal(top, folderIcon);
    else if (m_drive == CFast && !fillRemote(top)) {
        m_listingFailed = true;
        // The caller reports the failure; nothing here can be chosen.
        if (isVisible())
            reject();
    }
    top->setExpanded(true);
    updateButtons();
}

void FileDialog::fillLocal(QTreeWidgetItem* top, const QIcon& folderIcon)
{
    const QDir dir(m_folder);
    if (!dir.isRoot() && dir.exists()) {
        auto* up = new QTreeWidgetItem(top, {QStringLiteral("..")});
        up->setIcon(0, folderIcon);
        up->setData(0, kindRole, UpItem);
        up->setData(0, pathRole, QFileInfo(m_folder).dir().absolutePath());
    }
    const QFileInfoList folders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : folders) {
        auto* item = new QTreeWidgetItem(top, {info.fileName()});
        item->setIcon(0, folderIcon);
        item->setData(0, kindRole, FolderItem);
        item->setData(0, pathRole, info.absoluteFilePath());
    }
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files) {
        if (!isListedFileName(m_type, info.fileName()))
            continue;
        auto* item = new QTreeWidgetItem(top, {info.fileName()});
        item->setData(0, kindRole, FileItem);
        m_files << info.fileName();
    }
}

bool FileDialog::fillRemote(QTreeWidgetItem* top)
{
    QVector<FtpListEntry> entries;
    if (!m_lister || !m_lister(m_folder, &entries))
        return false;
    for (const FtpListEntry& entry : qAsConst(entries)) {
        if (!entry.isDir)
            m_remoteNames << entry.name;
        if (entry.isDir || !isListedFileName(m_type, entry.name))
            continue;
        auto* item = new QTreeWidgetItem(top, {entry.name});
        item->setData(0, kindRole, FileItem);
        m_files << entry.name;
    }
    return true;
}

void FileDialog::itemClicked(QTreeWidgetItem* item)
{
    if (item && item->data(0, kindRole).toInt() == FileItem && item->parent())
        setFileName(item->text(0));
}

void FileDialog::itemActivated(QTreeWidgetItem* item)
{
    if (!item || !item->parent())
        return;
    const QVariant kind = item->data(0, kindRole);
    if (kind.toInt() == FileItem) {
        setFileName(item->text(0));
        if (canAccept())
            accept();
    } else if (kind.isValid()) {
        setLocalFolder(item->data(0, pathRole).toString());
    }
}

bool FileDialog::canAccept() const
{
    if (m_listingFailed)
        return false;
    if (m_drive == Orbilux)
        return true;
    const QString name = fileName();
    if (name.isEmpty())
        return false;
    // A name on the controller stays inside its folder.
    if (m_drive == CFast)
        return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
               name != QLatin1String("..") && name != QLatin1String(".");
    return true;
}

void FileDialog::updateButtons()
{
    m_okButton->setEnabled(canAccept());
}

} // namespace IO
