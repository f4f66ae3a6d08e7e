#include "dialogs/frmfindfiles.h"

#include "dialogs/elidedlabel.h"

#include "platform/volumes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString UpEntry = QStringLiteral("..");

QLabel *makeCaption(QWidget *parent, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// The nearest folder at or above `folder` that still exists.
QString existingFolder(QString folder)
{
    while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    return QFileInfo(folder).isDir() ? folder : QDir::rootPath();
}

} // namespace

QString basePathFor(const QString &folder)
{
    const QChar separator = QDir::separator();
    return folder.endsWith(separator) ? folder : folder + separator;
}

frmFindFiles::frmFindFiles(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmFindFiles"));
    setWindowTitle(tr("Select Files"));
    buildControls();
    strFileName.clear();
    m_folder = QDir::cleanPath(QDir::currentPath());
    fillDrives();
    showFolder(m_folder);
}

void frmFindFiles::buildControls()
{
    lblSelectInfo = new QLabel(this);
    lblSelectInfo->setObjectName(QStringLiteral("lblSelectInfo"));
    QFont infoFont(QStringLiteral("MS Sans Serif"));
    infoFont.setStyleHint(QFont::SansSerif);
    infoFont.setPointSize(12);
    infoFont.setBold(true);
    lblSelectInfo->setFont(infoFont);
    lblSelectInfo->setAutoFillBackground(true);
    QPalette grey = lblSelectInfo->palette();
    grey.setColor(QPalette::Window, QColor(0xD3, 0xD3, 0xD3));
    grey.setColor(QPalette::WindowText, Qt::black);
    lblSelectInfo->setPalette(grey);
    lblSelectInfo->setMargin(6);
    lblSelectInfo->setMinimumHeight(60);
    lblSelectInfo->setAccessibleName(tr("Instructions"));

    drvDrive = new QComboBox(this);
    drvDrive->setObjectName(QStringLiteral("drvDrive"));
    drvDrive->setAccessibleName(tr("Drive"));
    DirDirectory = new QListWidget(this);
    DirDirectory->setObjectName(QStringLiteral("DirDirectory"));
    DirDirectory->setAccessibleName(tr("Folders"));
    DirDirectory->setAccessibleDescription(tr("Double-click or press Enter to open a folder; \"..\" goes up"));
    filFilename = new QListWidget(this);
    filFilename->setObjectName(QStringLiteral("filFilename"));
    filFilename->setAccessibleName(tr("Files"));
    filFilename->setSelectionMode(QAbstractItemView::SingleSelection);
    // Keyboard users must see which list has the focus: it gets a frame in the highlight
    // colour (the style's own focus frame is easy to miss, or missing, on a list).
    for (QListWidget *list : {DirDirectory, filFilename}) {
        list->setStyleSheet(QStringLiteral("QListWidget { border: 2px solid transparent; }"
                                           "QListWidget:focus { border: 2px solid palette(highlight); }"));
    }
    cmdDone = new QPushButton(tr("Select"), this);
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    cmdDone->setAccessibleName(tr("Select"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAccessibleName(tr("Cancel"));
    chkAllFiles = new QCheckBox(tr("Show &all files"), this);
    chkAllFiles->setObjectName(QStringLiteral("chkAllFiles"));
    chkAllFiles->setAccessibleName(tr("Show all files"));
    chkAllFiles->setVisible(false);
    m_folderCaption = new ElidedLabel(this);
    m_folderCaption->setObjectName(QStringLiteral("lblFolderPath"));
    m_folderCaption->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QLabel **yellow[] = {&lblFile1, &lblFile2, &lblFile3, &lblFile4};
    auto *strip = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblFile%1").arg(i + 1));
        label->setAccessibleName(tr("Decoration %1").arg(i + 1));
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::yellow);
        label->setPalette(palette);
        label->setFixedSize(24, 24);
        strip->addWidget(label);
        *yellow[i] = label;
    }
    strip->addWidget(chkAllFiles);
    strip->addStretch();
    strip->addWidget(cmdDone);
    strip->addWidget(cmdCancel);

    auto *grid = new QGridLayout;
    grid->addWidget(makeCaption(this, tr("&Drive"), drvDrive), 0, 0);
    grid->addWidget(drvDrive, 1, 0);
    grid->addWidget(makeCaption(this, tr("F&olders"), DirDirectory), 2, 0);
    grid->addWidget(DirDirectory, 3, 0);
    grid->addWidget(makeCaption(this, tr("&Files"), filFilename), 0, 1);
    grid->addWidget(filFilename, 1, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSelectInfo);
    layout->addWidget(m_folderCaption);
    layout->addLayout(grid, 1);
    layout->addLayout(strip);
    resize(560, 420);

    setTabOrder(drvDrive, DirDirectory);
    setTabOrder(DirDirectory, filFilename);
    setTabOrder(filFilename, chkAllFiles);
    setTabOrder(chkAllFiles, cmdDone);
    setTabOrder(cmdDone, cmdCancel);

    connect(drvDrive, &QComboBox::currentIndexChanged, this, &frmFindFiles::drvDrive_Change);
    connect(DirDirectory, &QListWidget::itemActivated, this, &frmFindFiles::DirDirectory_Activate);
    connect(filFilename, &QListWidget::itemClicked, this, &frmFindFiles::filFilename_Click);
    connect(filFilename, &QListWidget::itemSelectionChanged, this, &frmFindFiles::filFilename_SelectionChanged);
    connect(filFilename, &QListWidget::itemActivated, this, &frmFindFiles::filFilename_Activate);
    connect(cmdDone, &QPushButton::clicked, this, &frmFindFiles::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(chkAllFiles, &QCheckBox::toggled, this, &frmFindFiles::fillFiles);
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void frmFindFiles::setSelectInfo(const QString &text)
{
    m_selectInfo = text;
    // A label breaks lines at LF; a CR before it would show as a stray glyph.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblSelectInfo->setText(shown);
    // A screen reader reads what the label says, not what kind of label it is.
    lblSelectInfo->setAccessibleName(shown.simplified());
}

void frmFindFiles::changeFolder(const QString &folder)
{
    showFolder(QDir::cleanPath(QDir(m_folder).absoluteFilePath(folder)));
    strBasePath = basePathFor(m_folder);
}

void frmFindFiles::closeEvent(QCloseEvent *event)
{
    // Not a close in the program's sense: the window is only hidden and keeps its fields.
    event->accept();
    Q_EMIT cancelled();
}

void frmFindFiles::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The folder may have changed, or gone, while the window was hidden.
    const QString folder = existingFolder(m_folder);
    fillDrives();
    showFolder(folder);
    if (!strBasePath.isEmpty())
        strBasePath = basePathFor(m_folder);
}

void frmFindFiles::drvDrive_Change()
{
    if (m_refreshing || drvDrive->currentIndex() < 0)
        return;
    const QString root = drvDrive->currentData().toString();
    changeFolder(existingFolder(m_folderOnVolume.value(root, root)));
}

void frmFindFiles::DirDirectory_Activate(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString name = item->data(Qt::UserRole).toString();
    changeFolder(name == UpEntry ? QFileInfo(m_folder).absolutePath() : QDir(m_folder).filePath(name));
}

void frmFindFiles::filFilename_Click(QListWidgetItem *item)
{
    if (!item || m_refreshing)
        return;
    strFileName = strBasePath + item->text();
}

void frmFindFiles::filFilename_SelectionChanged()
{
    const QList<QListWidgetItem *> chosen = filFilename->selectedItems();
    if (!chosen.isEmpty())
        filFilename_Click(chosen.first());
}

void frmFindFiles::filFilename_Activate(QListWidgetItem *item)
{
    filFilename_Click(item);
    cmdDone_Click();
}

void frmFindFiles::cmdDone_Click()
{
    hide();
    setSelectInfo(QStringLiteral(" "));
    Q_EMIT selected();
}

void frmFindFiles::showFolder(const QString &folder)
{
    m_folder = folder;
    const QString root = volumeRootOf(m_folder);
    m_folderOnVolume.insert(root, m_folder);
    m_refreshing = true;
    int index = drvDrive->findData(root);
    if (index < 0) {
        drvDrive->addItem(root, root);
        index = drvDrive->count() - 1;
    }
    drvDrive->setCurrentIndex(index);
    m_folderCaption->setFullText(QDir::toNativeSeparators(m_folder));
    fillFolders();
    fillFiles();
    m_refreshing = false;
}

void frmFindFiles::fillDrives()
{
    m_refreshing = true;
    const QString current = drvDrive->currentData().toString();
    drvDrive->clear();
    for (const QString &root : mountedVolumeRoots())
        drvDrive->addItem(QDir::toNativeSeparators(root), root);
    const int index = drvDrive->findData(current);
    if (index >= 0)
        drvDrive->setCurrentIndex(index);
    m_refreshing = false;
}

void frmFindFiles::fillFolders()
{
    DirDirectory->clear();
    const QDir dir(m_folder);
    if (!dir.isRoot()) {
        auto *up = new QListWidgetItem(UpEntry, DirDirectory);
        up->setData(Qt::UserRole, UpEntry);
        up->setToolTip(tr("Up one folder"));
    }
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, DirDirectory);
        item->setData(Qt::UserRole, name);
    }
    if (DirDirectory->count() > 0)
        DirDirectory->setCurrentRow(0);
}

void frmFindFiles::setNameFilters(const QStringList &patterns, const QStringList &excluded)
{
    m_patterns = patterns;
    m_excluded = excluded;
    chkAllFiles->setVisible(!patterns.isEmpty());
    fillFiles();
}

bool frmFindFiles::canBeChosen(const QString &name) const
{
    // Case counts: the callers take "x.txt" and "x.jpg", not "x.TXT" or "x.JPG".
    const auto matches = [&name](const QStringList &patterns) {
        return std::any_of(patterns.begin(), patterns.end(), [&name](const QString &pattern) {
            return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(name).hasMatch();
        });
    };
    return (m_patterns.isEmpty() || matches(m_patterns)) && !matches(m_excluded);
}

void frmFindFiles::fillFiles()
{
    filFilename->clear();
    const QStringList names = QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    const QColor greyed = palette().color(QPalette::Disabled, QPalette::Text);
    for (const QString &name : names) {
        // What the caller cannot use is left out, or with "Show all files" shown greyed.
        const bool usable = canBeChosen(name);
        if (!usable && !chkAllFiles->isChecked())
            continue;
        auto *item = new QListWidgetItem(name, filFilename);
        if (!usable)
            item->setForeground(greyed);
    }
}
