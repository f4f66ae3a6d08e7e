#include "app/frmlunaria.h"

#include "app/formwidgets.h"
#include "app/markeddaysgroup.h"
#include "app/pagesettingsgroup.h"
#include "app/previewpane.h"
#include "app/splashlogo.h"
#include "control/controlfile.h"
#include "control/ruleedit.h"
#include "dialogs/frmfindfiles.h"
#include "dialogs/frmrule.h"
#include "dialogs/frmselectprt.h"
#include "calendar/calendarspan.h"
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
#include "print/printjob.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QPageLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QStatusBar>
#include <QSettings>
#include <QScreen>
#include <QTimer>

#include <utility>
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
                                       "     week numbers, the paper, the colours, the first month (August for a\n"
                                       "     school year) and the moon phases.\n"
                                       " 4. Select a Picture; \"Picture Only At Top\" puts it across the top in\n"
                                       "     place of the header, notes and message.\n"
                                       " 5. Select a Printer (or the PDF file) and, if you like, the Fonts.\n"
                                       " 6. Set the number of copies and press \"Print Calendar(s)\". The marked\n"
                                       "     days are listed in the date-list file beside the control file.\n"
                                       " 7. File: save the calendar as a control file and open it again;\n"
                                       "     \"Import iCalendar...\" adds the events of an .ics file;\n"
                                       "     \"Export Marked Days...\" writes the marked days as an .ics file;\n"
                                       "     \"Subscribe to Calendar...\" marks the events of an online calendar\n"
                                       "     (an https, webcal or CalDAV address), kept up to date from its server.");
}

namespace {
// Milliseconds without a keystroke in the year box before online calendars are asked.
constexpr int YearTypingPause = 400;

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

// The months the page shows, for a year that cannot be used those of today's year.
CalendarSpan pageMonths(const CalendarState &state, QDate today)
{
    return calendarSpan(state).value_or(CalendarSpan::of(std::chrono::year{today.year()}, state.page.firstMonth));
}

// The day the calendar pop-ups of the rule dialog open at when their field holds no date:
// today when the page shows it, else the first day the page shows.
QDate dayInCalendarYear(const CalendarState &state, QDate today)
{
    const CalendarSpan span = pageMonths(state, today);
    const std::chrono::year_month_day first{span.firstDay()};
    const QDate start(int(first.year()), int(unsigned(first.month())), 1);
    const std::chrono::year_month_day now{std::chrono::year{today.year()}, std::chrono::month{unsigned(today.month())},
                                          std::chrono::day{unsigned(today.day())}};
    return span.contains(now) ? today : start;
}

// Whether working out the marks may ask a server: a rule that marks an online calendar.
bool marksAskTheNetwork(const CalendarState &state)
{
    return std::any_of(state.rules.cbegin(), state.rules.cend(), [](const MarkRule &rule) {
        return rule.kind == RuleKind::ICalendar && isCalendarAddress(rule.source);
    });
}

}

frmLunaria::frmLunaria(const LunariaServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_document(services.today)
{
    Q_ASSERT(m_services.messages && m_services.fonts && m_services.marks);
    setObjectName(QStringLiteral("frmLunaria"));
    setWindowIcon(QIcon(drawLunariaLogo(QSize(64, 64))));
    m_yearMarks = new QTimer(this);
    m_yearMarks->setObjectName(QStringLiteral("yearMarksTimer"));
    m_yearMarks->setSingleShot(true);
    m_yearMarks->setInterval(YearTypingPause);
    connect(m_yearMarks, &QTimer::timeout, this, [this] {
        refreshYearMarks();
        picPreview->drawNow();
    });
    buildControls();
    Form_Load();
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
    m_document.newCalendar();
    refreshWidgets();
}

void frmLunaria::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmLunariaForm"));
    setCentralWidget(central);

    auto *column = new QVBoxLayout;
    column->addLayout(createCalendarForm(central));
    column->addWidget(createFontsGroupBox(central));
    column->addLayout(createCommandButtons(central));
    column->addWidget(createPageGroupBox(central));
    column->addStretch();

    auto *outer = new QHBoxLayout(central);
    outer->addLayout(column, 0);
    outer->addWidget(createMarkedDaysGroupBox(central), 0);
    outer->addWidget(createPreviewPane(central), 1);

    // Keyboard order follows the form top to bottom, then the buttons left to right, then
    // the page settings and the marked days beside them.
    QList<QWidget *> order = {txtYear, txtCopies, txtHeader, txtMessage[0], txtMessage[1], txtMessage[2], txtMessage[3],
                              txtMessage[4], txtMessage[5], chkFullPicture, cmdYrFont, cmdHdrFont, cmdAdrFont, cmdMsgFont,
                              cmdCalendarFont, cmdPickPic, cmdReadControls, cmdSelPrinter, cmdPrint, cmdExit};
    order += grpPage->tabOrder();
    order += m_markedDays->tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    buildMenus();
}

QGridLayout *frmLunaria::createCalendarForm(QWidget *parent)
{
    txtYear = makeEdit(parent, QStringLiteral("txtYear"), tr("Year (yyyy)"));
    lblYear = makeLabel(parent, "lblYear", tr("Year (yyyy)"), txtYear);
    txtCopies = makeEdit(parent, QStringLiteral("txtCopies"), tr("Copies"));
    lblCopies = makeLabel(parent, "lblCopies", tr("Copies"), txtCopies);
    txtHeader = makeEdit(parent, QStringLiteral("txtHeader"), tr("Header"));
    lblHeader = makeLabel(parent, "lblHeader", tr("Header"), txtHeader);
    for (int i = 0; i < 6; ++i) {
        const QString name = i < 5 ? tr("Notes line %1").arg(i + 1) : tr("Mesasage");
        txtMessage[i] = makeEdit(parent, QStringLiteral("txtMessage_%1").arg(i), name);
    }
    lblAddress = makeLabel(parent, "lblAddress", tr("Notes"), txtMessage[0]);
    lblMessage = makeLabel(parent, "lblMessage", tr("Mesasage"), txtMessage[5]);
    chkFullPicture = new QCheckBox(tr("Picture Only At Top"), parent);
    chkFullPicture->setObjectName(QStringLiteral("chkFullPicture"));
    chkFullPicture->setAccessibleName(chkFullPicture->text());
    // The picture across the top takes the place of the header block: say so while it does,
    // since the fields still hold their texts.
    lblTopOnly = new QLabel(tr("the header, notes and message are left off the page"), parent);
    lblTopOnly->setObjectName(QStringLiteral("lblTopOnly"));
    lblTopOnly->setEnabled(false);
    lblTopOnly->setVisible(false);

    lblDevice = new ElidedLabel(parent);
    lblDevice->setObjectName(QStringLiteral("lblDevice"));
    lblPictureName = new ElidedLabel(parent);
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
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addWidget(chkFullPicture);
    pictureRow->addWidget(lblTopOnly, 1);
    form->addLayout(pictureRow, 8, 1);
    form->addWidget(lblPictureName, 9, 1);
    form->addWidget(lblDevice, 10, 1);

    // Every edit goes straight into the calendar, which commands then read.
    connect(txtYear, &QLineEdit::textChanged, this, &frmLunaria::yearEdited);
    connect(txtHeader, &QLineEdit::textChanged, this, [this](const QString &t) { fieldEdited([&](CalendarState &s) { s.txtHeader = t; }); });
    connect(txtCopies, &QLineEdit::textChanged, this, [this](const QString &t) { fieldEdited([&](CalendarState &s) { s.txtCopies = t; }); });
    for (int i = 0; i < 6; ++i) {
        connect(txtMessage[i], &QLineEdit::textChanged, this,
                [this, i](const QString &t) { fieldEdited([&](CalendarState &s) { s.txtMessage[i] = t; }); });
        if (i < 5)
            txtMessage[i]->installEventFilter(this);
    }
    connect(chkFullPicture, &QCheckBox::toggled, this, [this](bool on) {
        lblTopOnly->setVisible(on);
        fieldEdited([&](CalendarState &s) { s.chkFullPicture = on; });
    });
    return form;
}

QGroupBox *frmLunaria::createFontsGroupBox(QWidget *parent)
{
    auto *fonts = new QGroupBox(tr("Fonts"), parent);
    fonts->setObjectName(QStringLiteral("grpFonts"));
    cmdYrFont = makeButton(fonts, "cmdYrFont", tr("Year Font"));
    cmdHdrFont = makeButton(fonts, "cmdHdrFont", tr("Header Font"));
    cmdAdrFont = makeButton(fonts, "cmdAdrFont", tr("Address Font"));
    cmdMsgFont = makeButton(fonts, "cmdMsgFont", tr("Messaage Font"));
    cmdCalendarFont = makeButton(fonts, "cmdCalendarFont", tr("Calendar Font"));
    auto *grid = new QGridLayout(fonts);
    grid->addWidget(cmdYrFont, 0, 0);
    grid->addWidget(cmdHdrFont, 0, 1);
    grid->addWidget(cmdAdrFont, 0, 2);
    grid->addWidget(cmdMsgFont, 1, 0);
    grid->addWidget(cmdCalendarFont, 1, 1);

    connect(cmdYrFont, &QPushButton::clicked, this, &frmLunaria::cmdYrFont_Click);
    connect(cmdHdrFont, &QPushButton::clicked, this, &frmLunaria::cmdHdrFont_Click);
    connect(cmdAdrFont, &QPushButton::clicked, this, &frmLunaria::cmdAdrFont_Click);
    connect(cmdMsgFont, &QPushButton::clicked, this, &frmLunaria::cmdMsgFont_Click);
    connect(cmdCalendarFont, &QPushButton::clicked, this, &frmLunaria::cmdCalendarFont_Click);
    return fonts;
}

QGridLayout *frmLunaria::createCommandButtons(QWidget *parent)
{
    cmdPickPic = makeButton(parent, "cmdPickPic", tr("Select Picture"));
    cmdReadControls = makeButton(parent, "cmdReadControls", tr("Select Control File"));
    cmdSelPrinter = makeButton(parent, "cmdSelPrinter", tr("Select Printer"));
    cmdPrint = makeButton(parent, "cmdPrint", tr("Print Calendar(s)"));
    cmdExit = makeButton(parent, "cmdExit", tr("Done"));
    auto *commands = new QGridLayout;
    commands->addWidget(cmdPickPic, 0, 0);
    commands->addWidget(cmdReadControls, 0, 1);
    commands->addWidget(cmdSelPrinter, 0, 2);
    commands->addWidget(cmdPrint, 1, 0, 1, 2);
    commands->addWidget(cmdExit, 1, 2);

    connect(cmdPickPic, &QPushButton::clicked, this, &frmLunaria::cmdPickPic_Click);
    connect(cmdReadControls, &QPushButton::clicked, this, &frmLunaria::cmdReadControls_Click);
    connect(cmdSelPrinter, &QPushButton::clicked, this, &frmLunaria::cmdSelPrinter_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLunaria::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmLunaria::cmdExit_Click);
    return commands;
}

PageSettingsGroup *frmLunaria::createPageGroupBox(QWidget *parent)
{
    grpPage = new PageSettingsGroup(parent);
    connect(grpPage, &PageSettingsGroup::pageChanged, this, &frmLunaria::pageEdited);
    return grpPage;
}

MarkedDaysGroup *frmLunaria::createMarkedDaysGroupBox(QWidget *parent)
{
    m_markedDays = new MarkedDaysGroup(parent);
    connect(m_markedDays, &MarkedDaysGroup::addRequested, this, &frmLunaria::cmdAddRule_Click);
    connect(m_markedDays, &MarkedDaysGroup::editRequested, this, &frmLunaria::cmdEditRule_Click);
    connect(m_markedDays, &MarkedDaysGroup::removeRequested, this, &frmLunaria::cmdRemoveRule_Click);
    connect(m_markedDays, &MarkedDaysGroup::moveRequested, this, &frmLunaria::cmdMoveRule_Click);
    return m_markedDays;
}

PreviewPane *frmLunaria::createPreviewPane(QWidget *parent)
{
    picPreview = new PreviewPane(m_document.state(), parent);
    connect(picPreview, &PreviewPane::dayClicked, this, &frmLunaria::offerRuleForDay);
    return picPreview;
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
    add(mnuSubscribeCalendar, "mnuSubscribeCalendar", tr("Su&bscribe to Calendar..."), QKeySequence());
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
    connect(mnuSubscribeCalendar, &QAction::triggered, this, &frmLunaria::mnuSubscribeCalendar_Click);
    connect(mnuExportMarkedDays, &QAction::triggered, this, &frmLunaria::mnuExportMarkedDays_Click);
    connect(mnuDone, &QAction::triggered, this, &frmLunaria::cmdExit_Click);
    connect(mnuHelp, &QAction::triggered, this, &frmLunaria::mnuHelp_Click);
}

void frmLunaria::fieldEdited(const std::function<void(CalendarState &)> &write)
{
    write(state());
    updateTitle();
    picPreview->schedule();
}

void frmLunaria::yearEdited(const QString &text)
{
    // The marks follow the year: the same rules fall on other days in another year.
    state().txtYear = text;
    updateTitle();
    // Typing 2027 passes through the years 2, 20 and 202: a server is asked only for the year
    // the typing stops at, not once for each of those, each with its progress box. Until then
    // the page is not drawn, so it never shows one year's marks on another year's days.
    if (marksAskTheNetwork(state())) {
        m_yearMarks->start();
        return;
    }
    refreshYearMarks();
    picPreview->schedule();
}

void frmLunaria::refreshYearMarks()
{
    m_yearMarks->stop();
    refreshMarks(state(), *m_services.marks);
    m_markedDays->showRules(state(), m_services.marks->holidays);
}

void frmLunaria::pageEdited(const PageSettings &page)
{
    // The first month moves the marks to other years; the list's colour squares are the
    // page's colours. A choice in a list is not typing: the page shows it at once.
    state().page = page;
    refreshMarks(state(), *m_services.marks);
    m_markedDays->showRules(state(), m_services.marks->holidays);
    updateTitle();
    picPreview->drawNow();
}

void frmLunaria::updateTitle()
{
    setWindowTitle(m_document.windowTitle());
}

void frmLunaria::refreshWidgets()
{
    const CalendarState &s = state();
    showText(txtYear, s.txtYear);
    showText(txtHeader, s.txtHeader);
    showText(txtCopies, s.txtCopies);
    for (int i = 0; i < 6; ++i)
        showText(txtMessage[i], s.txtMessage[i]);
    chkFullPicture->setChecked(s.chkFullPicture);
    lblTopOnly->setVisible(s.chkFullPicture);
    grpPage->showSettings(s.page);
    if (s.picTemp.get() != m_namedPicture) {
        m_namedPicture = s.picTemp.get();
        m_pictureName = QFileInfo(s.strSelectedFile).fileName();
    }
    lblPictureName->setFullText(s.binSelPic ? tr("Picture: %1").arg(m_pictureName) : tr("No picture"));
    if (s.binSelPic)
        lblPictureName->setToolTip(QDir::toNativeSeparators(s.picturePath));
    // The built-in device keeps its English name as a name (--printer "PDF file"), but the
    // window says it in the window's language.
    const QString device = m_services.devices ? m_services.devices->currentName() : QString();
    lblDevice->setFullText(tr("Printer: %1").arg(device == PdfDeviceName ? tr("PDF file") : device));
    const QString fontTip = tr("Now: %1");
    cmdYrFont->setToolTip(fontTip.arg(s.strYearFont));
    cmdHdrFont->setToolTip(fontTip.arg(s.strHeaderFont));
    cmdAdrFont->setToolTip(fontTip.arg(s.strAddressFont));
    cmdMsgFont->setToolTip(fontTip.arg(s.strMessageFont));
    cmdCalendarFont->setToolTip(fontTip.arg(s.strCalendarFont));
    m_markedDays->showRules(s, m_services.marks->holidays);
    updateTitle();
    picPreview->schedule();
    update();
}

bool frmLunaria::runCommand(const QString &name, const std::function<void()> &command)
{
    // A message box closing inside the command activates the window again; that activation
    // must not hand anything over in the middle of the command.
    const QScopedValueRollback<bool> inCommand(m_inCommand, true);
    // A command prints, saves or edits the marks of the year in the box, never the last one's.
    if (m_yearMarks->isActive())
        refreshYearMarks();
    const std::optional<QString> failure = m_document.apply(name, command);
    refreshWidgets();
    if (failure)
        m_services.messages->show(*failure, applicationTitle(), MessageService::Icon::Warning);
    return !failure;
}

bool frmLunaria::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    // A file the desktop opened the program with is imported once the window is there to
    // show the rule dialog over.
    if (event->type() == QEvent::Show && !m_services.importAtStart.isEmpty()) {
        const QString path = std::exchange(m_services.importAtStart, QString());
        QTimer::singleShot(0, this, [this, path] { importICalendar(path); });
    }
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
    state().intPendingDialog = code;
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
    if (state().intPendingDialog == PendingPicture || state().intPendingDialog == PendingControlFile)
        state().intPendingDialog = PendingNone;
}

void frmLunaria::Form_Activate()
{
    if (m_inCommand)
        return;
    state().strSelectedFile = finder().strFileName.trimmed();
    // A file is handed over once per use of the finder: coming back to the window from
    // another program must not read a control file again (it would use up mark categories)
    // or reload the picture.
    if (m_finderChoiceWaiting) {
        m_finderChoiceWaiting = false;
        const int pending = state().intPendingDialog;
        if (pending == PendingPicture || pending == PendingControlFile)
            state().intPendingDialog = PendingNone;
        if (pending == PendingPicture)
            runCommand(tr("Select Picture"), [this] { AcceptPicture(state(), *m_services.messages); });
        else if (pending == PendingControlFile)
            readControlFile();
    }
    refreshWidgets();
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
    const QString name = SelFontName(state().*field, points);
    if (name.contains(QLatin1String("Cancel")) || name.isEmpty())
        return;
    state().*field = name;
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
    state().intPendingDialog = PendingPrinter;
    state().binSelPrt = true;
}

void frmLunaria::cmdPrint_Click()
{
    PrintOutcome outcome = PrintOutcome::Cancelled;
    QString pageFile;
    if (!runCommand(tr("Print Calendar(s)"),
                    [&] { outcome = runPrintJob(state(), *m_services.devices, m_services.messages, &pageFile); }))
        return;
    if (outcome != PrintOutcome::Printed)
        return;
    // Where the page and its list went: the file, or the printer that took the job.
    const QString list = QDir::toNativeSeparators(QFileInfo(state().strListFile).absoluteFilePath());
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
    if (offerToSave())
        Form_Load();
}

void frmLunaria::mnuSaveControlFile_Click()
{
    saveDocument(state().documentFile);
}

void frmLunaria::mnuSaveControlFileAs_Click()
{
    saveDocument(QString());
}

void frmLunaria::mnuImportICalendar_Click()
{
    importICalendar(m_services.askICalendarFile ? m_services.askICalendarFile(QString()) : QString());
}

void frmLunaria::importICalendar(const QString &path)
{
    if (path.isEmpty())
        return;
    MarkRule rule;
    if (!runCommand(tr("Import iCalendar"), [&] { rule = iCalendarRule(path, m_services.marks->holidays); }))
        return;
    // The legend's text is asked for at once, starting from the calendar's own name (or the
    // file's), so that the list and the legend say the same from the start.
    const int year = yearFromText(state().txtYear).value_or(qint16(m_services.today.year()));
    const QString name = m_services.marks->calendars.read(rule.source, year)->calendarName.simplified();
    rule.label = name.isEmpty() ? QFileInfo(rule.source).completeBaseName() : name;
    openRuleDialog(-1, rule);
}

void frmLunaria::mnuSubscribeCalendar_Click()
{
    // The address is fetched for the page's first year as the marks will ask for it, so that
    // the new rule's marks come from this one fetch.
    const auto probe = [this](const QString &address) {
        const CalendarSpan span = pageMonths(state(), m_services.today);
        const std::chrono::year first = span.firstYear;
        IcsReader &calendars = m_services.marks->calendars;
        const std::shared_ptr<const IcsReadResult> read =
            calendars.read(address, int(first), std::max(std::chrono::sys_days{first / std::chrono::January / 1}, span.firstDay()),
                           std::min(std::chrono::sys_days{first / std::chrono::December / 31}, span.lastDay()));
        // A failure is kept for the run like an answer; the user's next try asks again.
        if (!read->ok)
            calendars.forgetFetched();
        return SubscribeProbe{read->ok, read->calendarName.simplified(), read->error};
    };
    auto *dialog = new SubscribeDialog(*m_services.messages, probe, m_services.discoverCalendars, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { ruleAccepted(-1, dialog->rule()); });
    dialog->open();
}

void frmLunaria::mnuExportMarkedDays_Click()
{
    const QString &file = state().documentFile;
    const QString suggested = QFileInfo(file.isEmpty() ? QStringLiteral("calendar.txt") : file).completeBaseName() + QStringLiteral(".ics");
    const QString path = m_services.askExportFile ? m_services.askExportFile(QDir::current().filePath(suggested)) : QString();
    if (!path.isEmpty() && runCommand(tr("Export Marked Days"), [&] { writeMarkedDaysFile(state(), *m_services.marks, path); }))
        statusBar()->showMessage(tr("The marked days are in %1").arg(QDir::toNativeSeparators(path)), 10000);
}

void frmLunaria::readControlFile()
{
    // A calendar that holds rules already is asked about: the file opens as a calendar of its
    // own (the usual), or its rules join these, which makes a new calendar of both, to be
    // saved under a name of its own rather than over either file.
    const QString file = state().strSelectedFile;
    CalendarDocument::OpenMode mode = CalendarDocument::OpenMode::Replace;
    if (!state().rules.empty() && isControlFileName(file)) {
        enum Choice { OpenNew, AddRules, Cancel };
        const int choice = m_services.messages->ask(
            tr("Open %1 as a new calendar, or add its rules to %2?").arg(QFileInfo(file).fileName(), m_document.name()),
            applicationTitle(), {tr("Open as New Calendar"), tr("Add Its Rules"), tr("Cancel")});
        if (choice == Cancel)
            return;
        if (choice == AddRules)
            mode = CalendarDocument::OpenMode::AddRules;
    }
    runCommand(tr("Select Control File"),
               [&] { m_document.open(file, mode, *m_services.messages, *m_services.marks); });
}

bool frmLunaria::saveDocument(const QString &path)
{
    QString target = path;
    if (target.isEmpty()) {
        const QString &file = state().documentFile;
        const QString suggested = file.isEmpty() ? QDir::current().filePath(QStringLiteral("calendar.txt")) : file;
        target = m_services.askControlFilePath ? m_services.askControlFilePath(suggested) : QString();
        if (target.isEmpty())
            return false;
    }
    if (!runCommand(tr("Save Control File"), [&] { m_document.save(target); }))
        return false;
    statusBar()->showMessage(tr("Saved as %1; printing lists the marked days in %2")
                                 .arg(QDir::toNativeSeparators(state().documentFile),
                                      QDir::toNativeSeparators(state().strListFile)),
                             10000);
    return true;
}

bool frmLunaria::offerToSave()
{
    if (!m_document.isModified())
        return true;
    enum Choice { Save, DontSave, Cancel };
    const int choice = m_services.messages->ask(tr("Save changes to %1?").arg(m_document.name()), applicationTitle(),
                                                {tr("Save"), tr("Don't Save"), tr("Cancel")});
    if (choice == Save)
        return saveDocument(state().documentFile);
    return choice == DontSave;
}

void frmLunaria::changeRules(const QString &name, const std::function<int()> &change)
{
    int row = -1;
    if (!runCommand(name, [&] {
            row = change();
            refreshMarks(state(), *m_services.marks);
        }))
        return;
    m_markedDays->setCurrentRule(row);
    // A rule's marks show at once; the delay of the preview is for typing.
    picPreview->drawNow();
}

void frmLunaria::cmdAddRule_Click()
{
    openRuleDialog(-1, MarkRule{});
}

void frmLunaria::cmdEditRule_Click(int row)
{
    if (row >= 0 && size_t(row) < state().rules.size())
        openRuleDialog(row, state().rules[size_t(row)]);
}

void frmLunaria::cmdRemoveRule_Click(int row)
{
    changeRules(tr("Remove Rule"), [&] {
        std::vector<MarkRule> &rules = state().rules;
        if (row < 0 || size_t(row) >= rules.size())
            throw std::out_of_range("no rule in that row");
        rules.erase(rules.begin() + row);
        return std::min(row, int(rules.size()) - 1);
    });
}

void frmLunaria::cmdMoveRule_Click(int row, int to)
{
    changeRules(tr("Move Rule"), [&] {
        std::swap(state().rules.at(size_t(row)), state().rules.at(size_t(to)));
        return to;
    });
}

void frmLunaria::openRuleDialog(int index, const MarkRule &rule)
{
    auto *dialog = new frmRule(*m_services.messages, *m_services.marks, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPageMonths(pageMonths(state(), m_services.today));
    dialog->setRule(rule);
    dialog->setDefaultDate(dayInCalendarYear(state(), m_services.today));
    if (m_services.askICalendarFile)
        dialog->setFileChooser(m_services.askICalendarFile);
    connect(dialog, &QDialog::accepted, this, [this, dialog, index] { ruleAccepted(index, dialog->rule()); });
    dialog->open();
}

void frmLunaria::ruleAccepted(int index, const MarkRule &rule)
{
    if (index < 0)
        changeRules(tr("Add Rule"), [&] {
            state().rules.push_back(rule);
            return int(state().rules.size()) - 1;
        });
    else
        changeRules(tr("Edit Rule"), [&] {
            state().rules.at(size_t(index)) = rule;
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
    return QMainWindow::eventFilter(watched, event);
}

void frmLunaria::offerRuleForDay(QDate day)
{
    if (const std::optional<size_t> marking = ruleMarkingDay(state(), day, *m_services.marks)) {
        enum Choice { Edit, AddNew, Cancel };
        const int choice = m_services.messages->ask(
            tr("Edit the rule that marks %1 %2?").arg(day.day()).arg(monthName(day.month())), applicationTitle(),
            {tr("Edit"), tr("Add New"), tr("Cancel")});
        if (choice == Edit)
            openRuleDialog(int(*marking), state().rules[*marking]);
        if (choice != AddNew)
            return;
    }
    MarkRule single;
    single.kind = RuleKind::Dates;
    single.dates = {RuleDate::full(std::chrono::year{day.year()} / std::chrono::month{unsigned(day.month())} /
                                   std::chrono::day{unsigned(day.day())})};
    openRuleDialog(-1, single);
}
