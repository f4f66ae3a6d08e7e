#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class ElidedLabel;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The folder part of a chosen path: `folder` with exactly one "/" at its end, none added
// when it already ends in one (as "/" does).
QString basePathFor(const QString &folder);

// "Select Files": the one file chooser, shared by the picture and the control file. Modeless;
// "Select" hides it (it is never closed by use), so its folder and both fields carry over
// from one use to the next. The caller collects strFileName when its own window is activated
// again, or on selected().
class frmFindFiles : public QWidget
{
    Q_OBJECT
public:
    explicit frmFindFiles(QWidget *parent = nullptr);

    // Folder of the file list with one "/" at its end; empty until the user first changes
    // drive or folder, so that a file chosen before then is a bare name relative to the
    // process's current folder.
    QString strBasePath;
    // The chosen path: strBasePath followed by the file clicked last; empty at first.
    QString strFileName;

    // The caller's instruction, shown in lblSelectInfo (lines may be joined by CR LF).
    void setSelectInfo(const QString &text);
    // The instruction as the caller set it (a single blank after "Select").
    QString selectInfo() const { return m_selectInfo; }
    // The folder the lists show, absolute and without a trailing "/" (except the root).
    QString currentFolder() const { return m_folder; }
    // Moves the folder list to `folder` as the user's choice of folder would.
    void changeFolder(const QString &folder);
    // The files that can be chosen: names matching one of `patterns` ("*.txt") and none of
    // `excluded` ("*_dl.txt"), case counting. The others are hidden until "Show all
    // files" is ticked, and then shown greyed. No patterns: every file, as at first.
    void setNameFilters(const QStringList &patterns, const QStringList &excluded = {});

Q_SIGNALS:
    // "Select" was pressed; strFileName holds the choice.
    void selected();
    // The window was closed through its frame or with Escape: nothing is handed over.
    void cancelled();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void drvDrive_Change();
    void DirDirectory_Activate(QListWidgetItem *item);
    void filFilename_Click(QListWidgetItem *item);
    void filFilename_SelectionChanged();
    void filFilename_Activate(QListWidgetItem *item);
    void cmdDone_Click();

private:
    void buildControls();
    void showFolder(const QString &folder);
    void fillDrives();
    void fillFolders();
    void fillFiles();
    bool canBeChosen(const QString &name) const;

    QComboBox *drvDrive = nullptr;
    QListWidget *DirDirectory = nullptr;
    QListWidget *filFilename = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QCheckBox *chkAllFiles = nullptr;
    QStringList m_patterns;
    QStringList m_excluded;
    QLabel *lblSelectInfo = nullptr;
    QLabel *lblFile1 = nullptr;
    QLabel *lblFile2 = nullptr;
    QLabel *lblFile3 = nullptr;
    QLabel *lblFile4 = nullptr;
    ElidedLabel *m_folderCaption = nullptr;

    QString m_selectInfo;
    QString m_folder;
    // Per volume root, the folder last shown on it: what a drive change returns to.
    QHash<QString, QString> m_folderOnVolume;
    bool m_refreshing = false;
};
