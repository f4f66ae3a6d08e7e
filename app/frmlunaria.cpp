#include "app/frmlunaria.h"

#include "app/formwidgets.h"
#include "app/markeddaysgroup.h"
#include "app/pagesettingsgroup.h"
#include "app/splashlogo.h"
#include "control/controlfile.h"
#include "control/controlwriter.h"
#include "control/ruleedit.h"
#include "dialogs/frmfindfiles.h"
#include "dialogs/frmrule.h"
#include "dialogs/frmselectprt.h"
#include "dialogs/elidedlabel.h"
#include "dialogs/fontchooser.h"
#include "calendar/dayrules.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/markrules.h"
#include "calendar/marksources.h"
#include "platform/localedates.h"
#include "platform/messages.h"
#include "devices/pdfdevice.h"
#include "devices/printers.h"
#include "platform/usererror.h"
#include "pictures/pictureacceptance.h"
#include "page/monthblock.h"
#include "page/composepage.h"
#include "print/icsexport.h"
#include "print/preview.h"
#include "print/printjob.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPixmap>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QStatusBar>
#include <QSettings>
#include <QScreen>
#include <QTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStringList>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

QString helpText()
{
    return QCoreApplication::translate("frmLunaria",
                                       " 1. Enter the Year, the Header, up to five Notes lines and the Message.\n"
                                       "     The page preview on the right follows every change.\n"
                                       " 2. Marked Days: \"Add Rule...\" colours days of the year (the 2nd Tuesday\n"
                                       "     of every month, dates, ranges, public holidays, an iCalendar file);\n"
                                       "     each rule takes one of the five colours of the legend. Click a day\n"
                                       "     in the preview to mark it or to edit the rule that marks it.\n"
                                       " 3. Page: the language of the month names, the first day of the week,\n"
                                       "     week numbers, the paper and the colours.\n"
                                       " 4. Select a Picture; \"Picture Only At Top\" puts it across the top in\n"
                                       "     place of the header, notes and message.\n"
                                       " 5. Select a Printer (or the PDF file) and, if you like, the Fonts.\n"
                                       " 6. Set the number of copies and press \"Print Calendar(s)\". The marked\n"
                                       "     days are listed in the date-list file beside the control file.\n"
                                       " 7. File: save the calendar as a control file and open it again;\n"
                                       "     \"Import iCalendar...\" adds the events of an .ics file, and\n"
                                       "     \"Export Marked Days...\" writes the marked days as an .ics file.");
}

namespace {
QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    return edit;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

void showText(QLineEdit *edit, const QString &text)
{
    // Rewriting an unchanged text would move the cursor under the user's hands.
    if (edit->text() != text)
        edit->setText(text);
}

// The rule that marks the days of an iCalendar file, as the rule dialog would make it.
MarkRule iCalendarRule(const QString &path, const HolidayCatalog &holidays)
{
    RuleFields fields;
    fields.kind = RuleKind::ICalendar;
    fields.file = path;
    const std::variant<MarkRule, FieldError> rule = ruleFromFields(fields, holidays);
    if (const FieldError *error = std::get_if<FieldError>(&rule))
        throw UserError(error->message);
    return std::get<MarkRule>(rule);
}

// The day the calendar pop-ups of the rule dialog open at when their field holds no date:
// today in a calendar of this year, else 1 January of the calendar's year.
QDate dayInCalendarYear(const CalendarState &state, QDate today)
{
    const int year = yearFromText(state.txtYear).value_or(qint16(today.year()));
    return year == today.year() ? today : QDate(year, 1, 1);
}
}

frmLunaria::frmLunaria(const LunariaServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    Q_ASSERT(m_services.messages && m_services.fonts && m_services.marks);
    setObjectName(QStringLiteral("frmLunaria"));
    setWindowIcon(QIcon(drawLunariaLogo(QSize(64, 64))));
    buildControls();
    Form_Load();
    m_saved.markSaved(m_state);
    refreshWidgets();
    connectEdits();
    placeOnScreen();
}

frmLunaria::~frmLunaria() = default;

void frmLunaria::placeOnScreen()
{
    if (m_services.settings && restoreGeometry(m_services.settings->value(QStringLiteral("window/geometry")).toByteArray()))
        return;
    const QScreen *where = screen();
    if (!where)
        return;
    const QRect available = where->availableGeometry();
    const QSizeF page = pdfPageLayout().paintRect(QPageLayout::Inch).size();
    const int height = int(available.height() * 0.92);
    const int previewWidth = int(height * page.width() / page.height());
    const int formWidth = centralWidget()->sizeHint().width() - picPreview->sizeHint().width();
    const QSize size(std::min(available.width(), formWidth + previewWidth), height);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
}

void frmLunaria::Form_Load()
{
    m_state = loadDefaults(m_services.today);
}

void frmLunaria::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmLunariaForm"));
    setCentralWidget(central);

    txtYear = makeEdit(central, QStringLiteral("txtYear"), tr("Year (yyyy)"));
    lblYear = makeLabel(central, "lblYear", tr("Year (yyyy)"), txtYear);
    txtCopies = makeEdit(central, QStringLiteral("txtCopies"), tr("Copies"));
    lblCopies = makeLabel(central, "lblCopies", tr("Copies"), txtCopies);
    txtHeader = makeEdit(central, QStringLiteral("txtHeader"), tr("Header"));
    lblHeader = makeLabel(central, "lblHeader", tr("Header"), txtHeader);
    for (int i = 0; i < 6; ++i) {
        const QString name = i < 5 ? tr("Notes line %1").arg(i + 1) : tr("Mesasage");
        txtMessage[i] = makeEdit(central, QStringLiteral("txtMessage_%1").arg(i), name);
    }
    lblAddress = makeLabel(central, "lblAddress", tr("Notes"), txtMessage[0]);
    lblMessage = makeLabel(central, "lblMessage", tr("Mesasage"), txtMessage[5]);
    chkFullPicture = new QCheckBox(tr("Picture Only At Top"), central);
    chkFullPicture->setObjectName(QStringLiteral("chkFullPicture"));
    chkFullPicture->setAccessibleName(chkFullPicture->text());

    lblDevice = new ElidedLabel(central);
    lblDevice->setObjectName(QStringLiteral("lblDevice"));

    lblPictureName = new ElidedLabel(central);
    lblPictureName->setObjectName(QStringLiteral("lblPictureName"));
    lblPictureName->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *form = new QGridLayout;
    form->addWidget(lblYear, 0, 0);
    auto *yearRow = new QHBoxLayout;
    yearRow->addWidget(txtYear);
    yearRow->addSpacing(16);
    yearRow->addWidget(lblCopies);
    yearRow->addWidget(txtCopies);
    txtYear->setMaximumWidth(90);
    txtCopies->setMaximumWidth(60);
    yearRow->addStretch();
    form->addLayout(yearRow, 0, 1);
    form->addWidget(lblHeader, 1, 0);
    form->addWidget(txtHeader, 1, 1);
    form->addWidget(lblAddress, 2, 0, Qt::AlignTop);
    for (int i = 0; i < 5; ++i)
        form->addWidget(txtMessage[i], 2 + i, 1);
    form->addWidget(lblMessage, 7, 0);
    form->addWidget(txtMessage[5], 7, 1);
    // The picture across the top takes the place of the header block: say so while it does,
    // since the fields still hold their texts.
    lblTopOnly = new QLabel(tr("the header, notes and message are left off the page"), central);
    lblTopOnly->setObjectName(QStringLiteral("lblTopOnly"));
    lblTopOnly->setEnabled(false);
    lblTopOnly->setVisible(false);
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addWidget(chkFullPicture);
    pictureRow->addWidget(lblTopOnly, 1);
    form->addLayout(pictureRow, 8, 1);
    form->addWidget(lblPictureName, 9, 1);
    form->addWidget(lblDevice, 10, 1);

    auto *fonts = new QGroupBox(tr("Fonts"), central);
    fonts->setObjectName(QStringLiteral("grpFonts"));
    cmdYrFont = makeButton(fonts, "cmdYrFont", tr("Year Font"));
    cmdHdrFont = makeButton(fonts, "cmdHdrFont", tr("Header Font"));
    cmdAdrFont = makeButton(fonts, "cmdAdrFont", tr("Address Font"));
    cmdMsgFont = makeButton(fonts, "cmdMsgFont", tr("Messaage Font"));
    cmdCalendarFont = makeButton(fonts, "cmdCalendarFont", tr("Calendar Font"));
    auto *fontGrid = new QGridLayout(fonts);
    fontGrid->addWidget(cmdYrFont, 0, 0);
    fontGrid->addWidget(cmdHdrFont, 0, 1);
    fontGrid->addWidget(cmdAdrFont, 0, 2);
    fontGrid->addWidget(cmdMsgFont, 1, 0);
    fontGrid->addWidget(cmdCalendarFont, 1, 1);

    cmdPickPic = makeButton(central, "cmdPickPic", tr("Select Picture"));
    cmdReadControls = makeButton(central, "cmdReadControls", tr("Select Control File"));
    cmdSelPrinter = makeButton(central, "cmdSelPrinter", tr("Select Printer"));
    cmdPrint = makeButton(central, "cmdPrint", tr("Print Calendar(s)"));
    cmdExit = makeButton(central, "cmdExit", tr("Done"));
    auto *commands = new QGridLayout;
    commands->addWidget(cmdPickPic, 0, 0);
    commands->addWidget(cmdReadControls, 0, 1);
    commands->addWidget(cmdSelPrinter, 0, 2);
    commands->addWidget(cmdPrint, 1, 0, 1, 2);
    commands->addWidget(cmdExit, 1, 2);

    auto *column = new QVBoxLayout;
    column->addLayout(form);
    column->addWidget(fonts);
    column->addLayout(commands);
    grpPage = new PageSettingsGroup(m_state, central);
    column->addWidget(grpPage);
    column->addStretch();

    // The page as it will print, redrawn shortly after every change.
    picPreview = new QLabel(central);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setAccessibleName(tr("Page preview"));
    picPreview->setAlignment(Qt::AlignCenter);
    picPreview->setMinimumSize(340, 440);
    // The page image must not decide the label's size: a window made smaller would cut it off.
    picPreview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    picPreview->setStyleSheet(QStringLiteral("QLabel#picPreview { background: #8a8f99; }"));
    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(150);
    connect(m_previewTimer, &QTimer::timeout, this, &frmLunaria::drawPreview);

    picPreview->installEventFilter(this);

    m_markedDays = new MarkedDaysGroup(central);

    auto *outer = new QHBoxLayout(central);
    outer->addLayout(column, 0);
    outer->addWidget(m_markedDays, 0);
    outer->addWidget(picPreview, 1);

    // Keyboard order follows the form top to bottom, then the buttons left to right, then
    // the marked days beside them.
    QList<QWidget *> order = {txtYear, txtCopies, txtHeader, txtMessage[0], txtMessage[1], txtMessage[2], txtMessage[3],
                              txtMessage[4], txtMessage[5], chkFullPicture, cmdYrFont, cmdHdrFont, cmdAdrFont, cmdMsgFont,
                              cmdCalendarFont, cmdPickPic, cmdReadControls, cmdSelPrinter, cmdPrint, cmdExit};
    order += m_markedDays->tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    buildMenus();

    connect(cmdYrFont, &QPushButton::clicked, this, &frmLunaria::cmdYrFont_Click);
    connect(cmdHdrFont, &QPushButton::clicked, this, &frmLunaria::cmdHdrFont_Click);
    connect(cmdAdrFont, &QPushButton::clicked, this, &frmLunaria::cmdAdrFont_Click);
    connect(cmdMsgFont, &QPushButton::clicked, this, &frmLunaria::cmdMsgFont_Click);
    connect(cmdCalendarFont, &QPushButton::clicked, this, &frmLunaria::cmdCalendarFont_Click);
    connect(cmdPickPic, &QPushButton::clicked, this, &frmLunaria::cmdPickPic_Click);
    connect(cmdReadControls, &QPushButton::clicked, this, &frmLunaria::cmdReadControls_Click);
    connect(cmdSelPrinter, &QPushButton::clicked, this, &frmLunaria::cmdSelPrinter_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLunaria::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmLunaria::cmdExit_Click);
    connect(m_markedDays, &MarkedDaysGroup::addRequested, this, &frmLunaria::cmdAddRule_Click);
    connect(m_markedDays, &MarkedDaysGroup::editRequested, this, &frmLunaria::cmdEditRule_Click);
    connect(m_markedDays, &MarkedDaysGroup::removeRequested, this, &frmLunaria::cmdRemoveRule_Click);
    connect(m_markedDays, &MarkedDaysGroup::moveRequested, this, &frmLunaria::cmdMoveRule_Click);
}

void frmLunaria::buildMenus()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto add = [this](QAction *&action, const char *name, const QString &text, const QKeySequence &keys) {
        action = mnuFile->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
    };
    add(mnuNewCalendar, "mnuNewCalendar", tr("&New Calendar"), QKeySequence(Qt::CTRL | Qt::Key_N));
    add(mnuSelectControlFile, "mnuSelectControlFile", tr("&Select Control File..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    add(mnuSaveControlFile, "mnuSaveControlFile", tr("Save &Control File"), QKeySequence(Qt::CTRL | Qt::Key_S));
    add(mnuSaveControlFileAs, "mnuSaveControlFileAs", tr("Save Control File &As..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    add(mnuImportICalendar, "mnuImportICalendar", tr("&Import iCalendar..."), QKeySequence());
    add(mnuExportMarkedDays, "mnuExportMarkedDays", tr("&Export Marked Days..."), QKeySequence());
    mnuFile->addSeparator();
    add(mnuDone, "mnuDone", tr("&Done"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuHelp = menuBar()->addAction(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    connect(mnuNewCalendar, &QAction::triggered, this, &frmLunaria::mnuNewCalendar_Click);
    connect(mnuSelectControlFile, &QAction::triggered, this, &frmLunaria::cmdReadControls_Click);
    connect(mnuSaveControlFile, &QAction::triggered, this, &frmLunaria::mnuSaveControlFile_Click);
    connect(mnuSaveControlFileAs, &QAction::triggered, this, &frmLunaria::mnuSaveControlFileAs_Click);
    connect(mnuImportICalendar, &QAction::triggered, this, &frmLunaria::mnuImportICalendar_Click);
    connect(mnuExportMarkedDays, &QAction::triggered, this, &frmLunaria::mnuExportMarkedDays_Click);
    connect(mnuDone, &QAction::triggered, this, &frmLunaria::cmdExit_Click);
    connect(mnuHelp, &QAction::triggered, this, &frmLunaria::mnuHelp_Click);
}

void frmLunaria::connectEdits()
{
    for (int i = 0; i < 5; ++i)
        txtMessage[i]->installEventFilter(this);
    // The widgets write every edit straight into the state, which commands then read.
    connect(txtYear, &QLineEdit::textChanged, this, &frmLunaria::yearEdited);
    connect(txtHeader, &QLineEdit::textChanged, this, [this](const QString &t) { m_state.txtHeader = t; });
    connect(txtCopies, &QLineEdit::textChanged, this, [this](const QString &t) { m_state.txtCopies = t; });
    for (int i = 0; i < 6; ++i)
        connect(txtMessage[i], &QLineEdit::textChanged, this, [this, i](const QString &t) { m_state.txtMessage[i] = t; });
    connect(chkFullPicture, &QCheckBox::toggled, this, [this](bool on) {
        m_state.chkFullPicture = on;
        lblTopOnly->setVisible(on);
    });
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        connect(edit, &QLineEdit::textChanged, this, &frmLunaria::schedulePreview);
        connect(edit, &QLineEdit::textChanged, this, &frmLunaria::updateTitle);
    }
    connect(chkFullPicture, &QCheckBox::toggled, this, &frmLunaria::schedulePreview);
    connect(chkFullPicture, &QCheckBox::toggled, this, &frmLunaria::updateTitle);
    connect(grpPage, &PageSettingsGroup::changed, this, &frmLunaria::schedulePreview);
    // The list's colour squares are the page's colours.
    connect(grpPage, &PageSettingsGroup::changed, this, [this] { m_markedDays->showRules(m_state, m_services.marks->holidays); });
    connect(grpPage, &PageSettingsGroup::changed, this, &frmLunaria::updateTitle);
}

void frmLunaria::yearEdited(const QString &text)
{
    // The marks follow the year: the same rules fall on other days in another year.
    m_state.txtYear = text;
    refreshMarks(m_state, *m_services.marks);
    m_markedDays->showRules(m_state, m_services.marks->holidays);
}

void frmLunaria::updateTitle()
{
    setWindowTitle(documentWindowTitle(m_state, isModified()));
}

void frmLunaria::refreshWidgets()
{
    showText(txtYear, m_state.txtYear);
    showText(txtHeader, m_state.txtHeader);
    showText(txtCopies, m_state.txtCopies);
    for (int i = 0; i < 6; ++i)
        showText(txtMessage[i], m_state.txtMessage[i]);
    chkFullPicture->setChecked(m_state.chkFullPicture);
    lblTopOnly->setVisible(m_state.chkFullPicture);
    grpPage->refresh();
    if (m_state.picTemp.get() != m_namedPicture) {
        m_namedPicture = m_state.picTemp.get();
        m_pictureName = QFileInfo(m_state.strSelectedFile).fileName();
    }
    lblPictureName->setFullText(m_state.binSelPic ? tr("Picture: %1").arg(m_pictureName) : tr("No picture"));
    if (m_state.binSelPic)
        lblPictureName->setToolTip(QDir::toNativeSeparators(m_state.picturePath));
    // The built-in device keeps its English name as a name (--printer "PDF file"), but the
    // window says it in the window's language.
    const QString device = m_services.devices ? m_services.devices->currentName() : QString();
    lblDevice->setFullText(tr("Printer: %1").arg(device == PdfDeviceName ? tr("PDF file") : device));
    const QString fontTip = tr("Now: %1");
    cmdYrFont->setToolTip(fontTip.arg(m_state.strYearFont));
    cmdHdrFont->setToolTip(fontTip.arg(m_state.strHeaderFont));
    cmdAdrFont->setToolTip(fontTip.arg(m_state.strAddressFont));
    cmdMsgFont->setToolTip(fontTip.arg(m_state.strMessageFont));
    cmdCalendarFont->setToolTip(fontTip.arg(m_state.strCalendarFont));
    m_markedDays->showRules(m_state, m_services.marks->holidays);
    updateTitle();
    schedulePreview();
    update();
}

bool frmLunaria::runCommand(const QString &name, const std::function<void()> &command)
{
    // A message box closing inside the command activates the window again; that activation
    // must not hand anything over in the middle of the command.
    const QScopedValueRollback<bool> inCommand(m_inCommand, true);
    const CalendarState before = m_state;
    QString reason;
    try {
        command();
        refreshWidgets();
        return true;
    } catch (const UserError &error) {
        reason = tr("%1 could not be completed:\n%2").arg(name, error.reason());
    } catch (const std::exception &error) {
        // Only a UserError carries words for the user; anything else is a fault of the
        // program, said plainly here and in detail on standard error.
        qWarning("Internal error in %s: %s", qUtf8Printable(name), error.what());
        reason = tr("Internal error in %1; your settings are unchanged.").arg(name);
    }
    m_state = before;
    refreshWidgets();
    m_services.messages->show(reason, applicationTitle(), MessageService::Icon::Warning);
    return false;
}

bool frmLunaria::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(event);
}

frmFindFiles &frmLunaria::finder()
{
    if (!m_finder) {
        m_finder = new frmFindFiles(this);
        m_finder->setWindowFlag(Qt::Window);
        connect(m_finder, &frmFindFiles::selected, this, &frmLunaria::finderSelected);
        connect(m_finder, &frmFindFiles::cancelled, this, &frmLunaria::finderCancelled);
    }
    return *m_finder;
}

void frmLunaria::showFinder(const QString &instruction, PendingDialog code)
{
    frmFindFiles &files = finder();
    files.setSelectInfo(instruction);
    // Only what the command can use is listed: control files without the date lists that
    // printing writes beside them, or the pictures the page takes.
    if (code == PendingControlFile)
        files.setNameFilters({QStringLiteral("*.txt")}, {QStringLiteral("*_dl.txt")});
    else
        files.setNameFilters({QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.jpg"), QStringLiteral("*.wmf")});
    // Centred on the window, not wherever the desktop puts a new one.
    if (!files.isVisible()) {
        QRect frame = files.frameGeometry();
        frame.moveCenter(frameGeometry().center());
        files.move(frame.topLeft());
    }
    m_state.intPendingDialog = code;
    m_finderChoiceWaiting = false;
    files.show();
    files.raise();
    files.activateWindow();
}

void frmLunaria::finderSelected()
{
    m_finderChoiceWaiting = true;
    // Window managers differ in whether the main window is activated again when the finder
    // hides; hand the file over in any case, once.
    activateWindow();
    raise();
    QTimer::singleShot(0, this, &frmLunaria::Form_Activate);
}

void frmLunaria::finderCancelled()
{
    m_finderChoiceWaiting = false;
    if (m_state.intPendingDialog == PendingPicture || m_state.intPendingDialog == PendingControlFile)
        m_state.intPendingDialog = PendingNone;
}

void frmLunaria::Form_Activate()
{
    if (m_inCommand)
        return;
    m_state.strSelectedFile = finder().strFileName.trimmed();
    // A file is handed over once per use of the finder: coming back to the window from
    // another program must not read a control file again (it would use up mark categories)
    // or reload the picture.
    if (m_finderChoiceWaiting) {
        m_finderChoiceWaiting = false;
        const int pending = m_state.intPendingDialog;
        if (pending == PendingPicture || pending == PendingControlFile)
            m_state.intPendingDialog = PendingNone;
        if (pending == PendingPicture)
            runCommand(tr("Select Picture"), [this] { AcceptPicture(m_state, *m_services.messages); });
        else if (pending == PendingControlFile)
            readControlFile();
    }
    refreshWidgets();
}

void frmLunaria::schedulePreview()
{
    m_previewTimer->start();
}

void frmLunaria::drawPreview()
{
    const QSize room = picPreview->contentsRect().size() - QSize(16, 16);
    if (room.width() < 50 || room.height() < 50)
        return;
    try {
        // Draw at the resolution the label shows it at, so the preview stays sharp.
        const QSizeF page = previewPaperInches(m_state);
        const double dpi = std::min(room.width() / page.width(), room.height() / page.height());
        m_previewDpi = dpi * devicePixelRatioF();
        m_preview = renderPreview(pageAsPrinted(m_state), m_previewDpi);
        QPixmap pixmap = QPixmap::fromImage(m_preview);
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        picPreview->setPixmap(pixmap);
        picPreview->setToolTip(tr("Click a day to mark it"));
    } catch (const UserError &error) {
        showPreviewProblem(error.reason());
    } catch (const std::exception &error) {
        // A timer's slot must let nothing escape into the event loop: the window would go.
        showPreviewProblem(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showPreviewProblem(tr("an unexpected error"));
    }
}

void frmLunaria::showPreviewProblem(const QString &reason)
{
    m_preview = QImage();
    picPreview->setPixmap(QPixmap());
    picPreview->setToolTip(QString());
    picPreview->setText(tr("The page cannot be drawn:\n%1").arg(reason));
}

QString frmLunaria::SelFontName(const QString &current, double points)
{
    // A device is always chosen (the PDF file at least), and its fonts are the system's: the
    // typeface can be picked without choosing a printer first.
    const std::optional<QString> chosen = m_services.fonts->chooseFont(this, current, points, tr("Font"));
    return chosen ? *chosen : QStringLiteral("Cancel");
}

void frmLunaria::chooseFontFor(QString CalendarState::*field, double points)
{
    const QString name = SelFontName(m_state.*field, points);
    if (name.contains(QLatin1String("Cancel")) || name.isEmpty())
        return;
    m_state.*field = name;
}

void frmLunaria::cmdYrFont_Click()
{
    runCommand(tr("Year Font"), [this] { chooseFontFor(&CalendarState::strYearFont, PageLayout::YearPoints); });
}

void frmLunaria::cmdHdrFont_Click()
{
    runCommand(tr("Header Font"), [this] { chooseFontFor(&CalendarState::strHeaderFont, PageLayout::HeaderStartPoints); });
}

void frmLunaria::cmdAdrFont_Click()
{
    runCommand(tr("Address Font"), [this] { chooseFontFor(&CalendarState::strAddressFont, PageLayout::AddressPoints); });
}

void frmLunaria::cmdMsgFont_Click()
{
    runCommand(tr("Messaage Font"), [this] { chooseFontFor(&CalendarState::strMessageFont, PageLayout::MessagePoints); });
}

void frmLunaria::cmdCalendarFont_Click()
{
    runCommand(tr("Calendar Font"), [this] { chooseFontFor(&CalendarState::strCalendarFont, MonthHeadingPoints); });
}

void frmLunaria::cmdPickPic_Click()
{
    showFinder(tr("Select a Picture file.\r\nEither a bmp, gif, jpg or wmf."), PendingPicture);
}

void frmLunaria::cmdReadControls_Click()
{
    // Opening another calendar may replace this one: its changes are offered for saving first.
    if (!offerToSave())
        return;
    showFinder(tr("Select a Control file.\r\n  should be a   txt   file."), PendingControlFile);
}

void frmLunaria::cmdSelPrinter_Click()
{
    // A second press while the chooser is open only brings it forward.
    if (!m_printerChooser) {
        m_printerChooser = new frmSelectPrt(*m_services.devices, *m_services.messages, this);
        m_printerChooser->setWindowFlag(Qt::Window);
        m_printerChooser->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_printerChooser, &frmSelectPrt::deviceSelected, this, &frmLunaria::refreshWidgets);
    }
    m_printerChooser->show();
    m_printerChooser->raise();
    m_printerChooser->activateWindow();
    m_state.intPendingDialog = PendingPrinter;
    m_state.binSelPrt = true;
}

void frmLunaria::cmdPrint_Click()
{
    PrintOutcome outcome = PrintOutcome::Cancelled;
    QString pageFile;
    if (!runCommand(tr("Print Calendar(s)"),
                    [&] { outcome = runPrintJob(m_state, *m_services.devices, m_services.messages, &pageFile); }))
        return;
    if (outcome != PrintOutcome::Printed)
        return;
    // Where the page and its list went: the file, or the printer that took the job.
    const QString list = QDir::toNativeSeparators(QFileInfo(m_state.strListFile).absoluteFilePath());
    statusBar()->showMessage(pageFile.isEmpty()
                                 ? tr("The printer %1 accepted the job; the marked days are listed in %2")
                                       .arg(m_services.devices->currentName(), list)
                                 : tr("The page is in %1; the marked days are listed in %2")
                                       .arg(QDir::toNativeSeparators(QFileInfo(pageFile).absoluteFilePath()), list),
                             10000);
}

void frmLunaria::cmdExit_Click()
{
    // Closing asks about unsaved changes first; "Cancel" there keeps everything open.
    if (!close())
        return;
    delete m_finder.data();
    if (m_printerChooser)
        m_printerChooser->close();
    // Choosers may still be open; "Done" ends the program all the same.
    QCoreApplication::quit();
}

void frmLunaria::mnuHelp_Click()
{
    m_services.messages->show(helpText(), tr(" Calendar Help"), MessageService::Icon::Information);
}

void frmLunaria::closeEvent(QCloseEvent *event)
{
    if (!offerToSave()) {
        event->ignore();
        return;
    }
    if (m_services.settings)
        m_services.settings->setValue(QStringLiteral("window/geometry"), saveGeometry());
    event->accept();
}

void frmLunaria::mnuNewCalendar_Click()
{
    if (!offerToSave())
        return;
    Form_Load();
    m_saved.markSaved(m_state);
    refreshWidgets();
}

void frmLunaria::mnuSaveControlFile_Click()
{
    saveDocument(m_state.documentFile);
}

void frmLunaria::mnuSaveControlFileAs_Click()
{
    saveDocument(QString());
}

void frmLunaria::mnuImportICalendar_Click()
{
    const QString path = m_services.askICalendarFile ? m_services.askICalendarFile(QString()) : QString();
    if (path.isEmpty())
        return;
    MarkRule rule;
    if (!runCommand(tr("Import iCalendar"), [&] { rule = iCalendarRule(path, m_services.marks->holidays); }))
        return;
    // The legend's text is asked for at once, starting from the calendar's own name (or the
    // file's), so that the list and the legend say the same from the start.
    const int year = yearFromText(m_state.txtYear).value_or(qint16(m_services.today.year()));
    const QString name = m_services.marks->calendars.read(rule.source, year)->calendarName.simplified();
    rule.label = name.isEmpty() ? QFileInfo(rule.source).completeBaseName() : name;
    openRuleDialog(-1, rule);
}

void frmLunaria::mnuExportMarkedDays_Click()
{
    const QString suggested = QFileInfo(m_state.documentFile.isEmpty() ? QStringLiteral("calendar.txt") : m_state.documentFile)
                                  .completeBaseName() + QStringLiteral(".ics");
    const QString path = m_services.askExportFile ? m_services.askExportFile(QDir::current().filePath(suggested)) : QString();
    if (!path.isEmpty() && runCommand(tr("Export Marked Days"), [&] { writeMarkedDaysFile(m_state, *m_services.marks, path); }))
        statusBar()->showMessage(tr("The marked days are in %1").arg(QDir::toNativeSeparators(path)), 10000);
}

void frmLunaria::readControlFile()
{
    // A calendar that holds rules already is asked about: the file opens as a calendar of its
    // own (the usual), or its rules join these, which makes a new calendar of both, to be
    // saved under a name of its own rather than over either file.
    const QString file = m_state.strSelectedFile;
    bool merge = false;
    if (!m_state.rules.empty() && isControlFileName(file)) {
        enum Choice { OpenNew, AddRules, Cancel };
        const int choice = m_services.messages->ask(
            tr("Open %1 as a new calendar, or add its rules to %2?").arg(QFileInfo(file).fileName(), documentName(m_state)),
            applicationTitle(), {tr("Open as New Calendar"), tr("Add Its Rules"), tr("Cancel")});
        if (choice == Cancel)
            return;
        merge = choice == AddRules;
    }
    // Read into a copy: a file that cannot be read leaves the calendar as it was.
    CalendarState read = merge ? m_state : loadDefaults(m_services.today);
    read.strSelectedFile = file;
    ControlFileResult result;
    runCommand(tr("Select Control File"), [&] { result = ReadControlFile(read, *m_services.messages, *m_services.marks); });
    m_state.binFileOK = read.binFileOK;
    if (!result.read) {
        updateTitle();
        return;
    }
    m_state = std::move(read);
    if (merge) {
        // Neither file holds the result; printing lists its days where a new calendar's go.
        m_state.documentFile.clear();
        m_state.strListFile = loadDefaults(m_services.today).strListFile;
    } else {
        m_saved.markSaved(m_state);
    }
    refreshWidgets();
    updateTitle();
}

bool frmLunaria::saveDocument(const QString &path)
{
    QString target = path;
    if (target.isEmpty()) {
        const QString suggested = m_state.documentFile.isEmpty() ? QDir::current().filePath(QStringLiteral("calendar.txt"))
                                                                  : m_state.documentFile;
        target = m_services.askControlFilePath ? m_services.askControlFilePath(suggested) : QString();
        if (target.isEmpty())
            return false;
    }
    if (!runCommand(tr("Save Control File"), [&] { SaveControlFile(m_state, target); }))
        return false;
    m_saved.markSaved(m_state);
    updateTitle();
    statusBar()->showMessage(tr("Saved as %1; printing lists the marked days in %2")
                                 .arg(QDir::toNativeSeparators(m_state.documentFile),
                                      QDir::toNativeSeparators(m_state.strListFile)),
                             10000);
    return true;
}

bool frmLunaria::offerToSave()
{
    if (!isModified())
        return true;
    enum Choice { Save, DontSave, Cancel };
    const int choice = m_services.messages->ask(tr("Save changes to %1?").arg(documentName(m_state)),
                                                applicationTitle(),
                                                {tr("Save"), tr("Don't Save"), tr("Cancel")});
    if (choice == Save)
        return saveDocument(m_state.documentFile);
    return choice == DontSave;
}

void frmLunaria::changeRules(const QString &name, const std::function<int()> &change)
{
    int row = -1;
    if (!runCommand(name, [&] {
            row = change();
            refreshMarks(m_state, *m_services.marks);
        }))
        return;
    m_markedDays->setCurrentRule(row);
    // A rule's marks show at once; the delay of the preview is for typing.
    m_previewTimer->stop();
    drawPreview();
}

void frmLunaria::cmdAddRule_Click()
{
    openRuleDialog(-1, MarkRule{});
}

void frmLunaria::cmdEditRule_Click(int row)
{
    if (row >= 0 && size_t(row) < m_state.rules.size())
        openRuleDialog(row, m_state.rules[size_t(row)]);
}

void frmLunaria::cmdRemoveRule_Click(int row)
{
    changeRules(tr("Remove Rule"), [&] {
        if (row < 0 || size_t(row) >= m_state.rules.size())
            throw std::out_of_range("no rule in that row");
        m_state.rules.erase(m_state.rules.begin() + row);
        return std::min(row, int(m_state.rules.size()) - 1);
    });
}

void frmLunaria::cmdMoveRule_Click(int row, int to)
{
    changeRules(tr("Move Rule"), [&] {
        std::swap(m_state.rules.at(size_t(row)), m_state.rules.at(size_t(to)));
        return to;
    });
}

void frmLunaria::openRuleDialog(int index, const MarkRule &rule)
{
    auto *dialog = new frmRule(*m_services.messages, m_services.marks->holidays, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setRule(rule);
    dialog->setDefaultDate(dayInCalendarYear(m_state, m_services.today));
    if (m_services.askICalendarFile)
        dialog->setFileChooser(m_services.askICalendarFile);
    connect(dialog, &QDialog::accepted, this, [this, dialog, index] { ruleAccepted(index, dialog->rule()); });
    dialog->open();
}

void frmLunaria::ruleAccepted(int index, const MarkRule &rule)
{
    if (index < 0)
        changeRules(tr("Add Rule"), [&] {
            m_state.rules.push_back(rule);
            return int(m_state.rules.size()) - 1;
        });
    else
        changeRules(tr("Edit Rule"), [&] {
            m_state.rules.at(size_t(index)) = rule;
            return index;
        });
}

bool frmLunaria::eventFilter(QObject *watched, QEvent *event)
{
    // A note box that holds only the blank a fresh box starts with has its blank selected
    // when it gets the focus, so that what the user types replaces it: a note that starts
    // with a blank would end the address block and none of the address would print. After
    // the event, because a mouse click places the cursor once the focus has arrived.
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 5; ++i) {
            if (watched != txtMessage[i])
                continue;
            QPointer<QLineEdit> edit = txtMessage[i];
            QTimer::singleShot(0, this, [edit] {
                if (edit && edit->hasFocus() && edit->text() == QLatin1String(" "))
                    edit->selectAll();
            });
        }
    }
    // The page is drawn again for the space it is given.
    if (watched == picPreview && event->type() == QEvent::Resize)
        schedulePreview();
    if (watched == picPreview && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            if (const std::optional<QDate> day = previewDayAt(mouse->position().toPoint()))
                offerRuleForDay(*day);
    }
    return QMainWindow::eventFilter(watched, event);
}

std::optional<QDate> frmLunaria::previewDayAt(QPoint position) const
{
    if (m_preview.isNull() || m_previewDpi <= 0)
        return std::nullopt;
    // The label centres the image, shown at its device pixel ratio; the image is the sheet.
    const qreal ratio = devicePixelRatioF();
    const QSize shown = (QSizeF(m_preview.size()) / ratio).toSize();
    const QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, picPreview->contentsRect());
    const QPointF pixel = QPointF(position - placed.topLeft()) * ratio;
    return dayAtPagePoint(m_state, previewPixelToPageTwips(m_state, m_previewDpi, pixel));
}

void frmLunaria::offerRuleForDay(QDate day)
{
    if (const std::optional<size_t> marking = ruleMarkingDay(m_state, day, *m_services.marks)) {
        enum Choice { Edit, AddNew, Cancel };
        const int choice = m_services.messages->ask(
            tr("Edit the rule that marks %1 %2?").arg(day.day()).arg(monthName(day.month())), applicationTitle(),
            {tr("Edit"), tr("Add New"), tr("Cancel")});
        if (choice == Edit)
            openRuleDialog(int(*marking), m_state.rules[*marking]);
        if (choice != AddNew)
            return;
    }
    MarkRule single;
    single.kind = RuleKind::Dates;
    single.dates = {RuleDate::full(std::chrono::year{day.year()} / std::chrono::month{unsigned(day.month())} /
                                   std::chrono::day{unsigned(day.day())})};
    openRuleDialog(-1, single);
}
