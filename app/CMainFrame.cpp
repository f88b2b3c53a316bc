#include "app/CMainFrame.h"

#include "app/BackgroundView.h"
#include "app/Commands.h"
#include "app/ProgramIcon.h"
#include "engine/Catalogue.h"
#include "settings/CWinApp.h"
#include "settings/DisplayStyle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include <utility>

namespace {

struct MenuEntry {
    int id; // 0 for a separator
    const char* text;
    const char* prompt;
};

constexpr MenuEntry kSeparator { 0, nullptr, nullptr };

constexpr MenuEntry kOptionsMenu[] = {
    { Command::StatusBar, "S&tatusleiste", "Blendet die Statusleiste ein oder aus." },
    kSeparator,
    { Command::Options, "Einstellungen", "Grundlegende Programmeinstellungen setzen" },
    { Command::PraiseList, "Eigene Lobe", "Hier können Sie Ihre eigenen Sprüche eingeben." },
    { Command::Sound, "Sound", "Soundausgabe einschalten bzw. abschalten" },
    kSeparator,
    { Command::BigFont, "Großer Zeichensatz", "" },
    { Command::SmallFont, "Kleiner Zeichensatz", "" },
    kSeparator,
    { Command::EditOwnLists, "Eigene Übungen bearbeiten...",
        "Schreibt und prüft die Aufgabenlisten des Menüs \"Eigene\"." },
    { Command::PrintWorksheet, "Arbeitsblatt drucken...",
        "Druckt Aufgaben einer Übung mit Lösungsblatt oder speichert sie als PDF." },
    { Command::Progress, "Fortschritt...",
        "Zeigt, was Ihr Kind geübt hat und welche Aufgaben ihm noch schwerfallen." },
};

constexpr MenuEntry kHelpMenu[] = {
    { Command::HelpTopics, "&Hilfethemen", "Listet die Hilfethemen auf." },
    kSeparator,
    { Command::Contact, "Fragen und Probleme", "Kontaktadresse und Hotline" },
    kSeparator,
    { Command::OwnExercisesHelp, "Eigene Übungen", "Informationen zu dem Menü \"Eigene\"" },
    kSeparator,
    { Command::OtherPrograms, "Weitere Lernprogramme",
        "Stellt weitere freie Lernprogramme für Kinder vor." },
    { Command::Internet, "Internet", "Besuchen Sie unsere WEB-Page im Internet !" },
    kSeparator,
    { Command::About, "Inf&o über Pilo...",
        "Zeigt Programm-Informationen, Versionsnummer und Copyright an." },
};

constexpr MenuEntry kExitEntry { Command::Exit, "&Beenden",
    "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden "
    "sollen." };

const char* const kIndicatorText[] = { "", "UF", "NUM", "RF" };

// Room on either side of a pane's text.
constexpr int kPanePadding = 4;

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A letter or digit of an object name; umlauts spelled out, anything else
// none (a word break).
QString NamePart(QChar c)
{
    static const std::pair<char16_t, const char*> kSpelled[] = { { u'ä', "ae" }, { u'ö', "oe" },
        { u'ü', "ue" }, { u'Ä', "Ae" }, { u'Ö', "Oe" }, { u'Ü', "Ue" }, { u'ß', "ss" } };
    for (const auto& [letter, spelled] : kSpelled) {
        if (c == QChar(letter))
            return QString::fromLatin1(spelled);
    }
    return c.isLetterOrNumber() && c.unicode() < 128 ? QString(c) : QString();
}

// "action" followed by the words of the menu title and the entry, each
// capitalised: "Inf&o über Pilo..." in "&Hilfe" gives "actionHilfeInfoUeberPilo".
QString ActionName(const QString& menuTitle, const QString& text)
{
    QString name = QStringLiteral("action");
    bool wordStart = true;
    QString words = menuTitle + u' ' + text;
    words.remove(u'&');
    for (const QChar c : std::as_const(words)) {
        QString part = NamePart(c);
        if (!part.isEmpty() && wordStart)
            part[0] = part[0].toUpper();
        wordStart = part.isEmpty();
        name += part;
    }
    return name;
}

} // namespace

CMainFrame::CMainFrame(CWinApp& app, QWidget* parent)
    : QMainWindow(parent)
    , app_(app)
    , clock_([] { return QDateTime::currentDateTime(); })
    , lockReader_(&ReadLockState)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Pilo für Windows 95 V1.11"));
    setWindowIcon(ProgramIcon());
    dialogs_ = DialogRunner::Real(app_, [this]() -> QWidget* { return this; });

    background_ = new BackgroundView(app_, this);
    background_->SetExtension(
        [this] { return statusBar()->isHidden() ? 0 : statusBar()->height(); });
    setCentralWidget(background_);

    createMenus();
    createStatusBar();

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setObjectName(QStringLiteral("shortcutF1"));
    connect(help, &QShortcut::activated, this, [this] { OnCommand(Command::HelpTopics); });

    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setObjectName(QStringLiteral("shortcutF10"));
    connect(menuKey, &QShortcut::activated, this, &CMainFrame::OnMenuKey);
}

// F10 does what Alt does: it highlights the first menu title without opening
// it; Down or Enter then opens the menu, Escape or F10 again leaves the bar.
// The menu bar enters that state when it sees Alt pressed and released, so
// F10 hands it exactly the events of that key; Alt and the mnemonics stay
// Qt's own.
void CMainFrame::OnMenuKey()
{
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(this, &override);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::addEntry(QMenu* menu, int id, const QString& text, const QString& prompt)
{
    auto* action = new QAction(text, this);
    action->setObjectName(ActionName(menu->title(), text));
    action->setData(id);
    action->setStatusTip(prompt);
    menu->addAction(action);
}

void CMainFrame::createMenus()
{
    QMenu* menus[4] = {};
    for (Menu m : { Menu::Plus, Menu::Minus, Menu::Vergleiche, Menu::Eigene }) {
        QMenu* menu = menuBar()->addMenu(FromView(MenuTitle(m)));
        menu->setObjectName(QStringLiteral("menu") + FromView(MenuTitle(m)));
        menus[int(m)] = menu;
    }
    for (const ExerciseKind& kind : ExerciseKinds()) {
        QMenu* menu = menus[int(kind.menu)];
        if (kind.separatorBefore)
            menu->addSeparator();
        addEntry(menu, kind.id, FromView(kind.menuText), FromView(kind.statusPrompt));
    }
    menus[int(Menu::Plus)]->addSeparator();
    addEntry(menus[int(Menu::Plus)], kExitEntry.id, QString::fromUtf8(kExitEntry.text),
        QString::fromUtf8(kExitEntry.prompt));

    auto addMenu = [this](const QString& title, const QString& name, const auto& entries) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(name);
        for (const MenuEntry& entry : entries) {
            if (entry.id == 0)
                menu->addSeparator();
            else
                addEntry(
                    menu, entry.id, QString::fromUtf8(entry.text), QString::fromUtf8(entry.prompt));
        }
        return menu;
    };
    QMenu* options
        = addMenu(QStringLiteral("Optionen"), QStringLiteral("menuOptionen"), kOptionsMenu);
    addMenu(QStringLiteral("&Hilfe"), QStringLiteral("menuHilfe"), kHelpMenu);

    QAction* statusBarEntry = Action(Command::StatusBar);
    statusBarEntry->setCheckable(true);
    statusBarEntry->setChecked(true);
    connect(options, &QMenu::aboutToShow, this,
        [this, statusBarEntry] { statusBarEntry->setChecked(!statusBar()->isHidden()); });

    // One connection per menu rather than one per entry: the entry's id
    // travels in its data.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::triggered, this,
            [this](QAction* action) { OnCommand(action->data().toInt()); });
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::OnMenuShown);
        connect(menu, &QMenu::aboutToHide, this, &CMainFrame::OnMenuHidden);
    }
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    for (int pane = 0; pane < PaneCount; ++pane) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("pane%1").arg(pane));
        label->setContentsMargins(kPanePadding, 0, kPanePadding, 0);
        label->setTextFormat(Qt::PlainText);
        panes_[pane] = label;
        if (pane == MessagePane) {
            // Long prompts are cut, never widen the window.
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            label->setText(QString::fromUtf8(kIdleText));
            bar->addWidget(label, 1);
        } else {
            label->setAlignment(Qt::AlignCenter);
            bar->addPermanentWidget(label);
        }
    }
    for (Pane pane : { CapsPane, NumPane, ScrollPane }) {
        const QString word = QString::fromUtf8(kIndicatorText[pane]);
        panes_[pane]->setFixedWidth(
            panes_[pane]->fontMetrics().horizontalAdvance(word) + 2 * kPanePadding);
    }

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("paneTimer"));
    timer_->setInterval(kTimerInterval);
    connect(timer_, &QTimer::timeout, this, &CMainFrame::UpdatePanes);
    timer_->start();
    // At once rather than after the first second, so no placeholder shows.
    UpdatePanes();
}

void CMainFrame::SetClock(Clock clock)
{
    clock_ = clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); });
    UpdatePanes();
}

void CMainFrame::SetLockReader(LockReader reader)
{
    lockReader_ = reader ? std::move(reader) : LockReader(&ReadLockState);
    UpdatePanes();
}

QAction* CMainFrame::Action(int id) const
{
    for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (action->data().toInt() == id)
            return action;
    }
    return nullptr;
}

QString CMainFrame::MessageText() const
{
    return panes_[MessagePane]->text();
}

// A label whose size may change tells its status bar about every new text,
// and QStatusBar answers that by laying out and repainting the whole bar, the
// window behind it included.  So once the bar has given a pane its height,
// the pane keeps it: a new text of the same width then repaints that pane
// alone, and only a change of width lays the bar out anew.
void CMainFrame::HoldPaneHeight(Pane pane)
{
    QLabel* label = panes_[pane];
    if (label->minimumHeight() != label->maximumHeight() && label->isVisible()
        && label->height() > 0)
        label->setFixedHeight(label->height());
}

void CMainFrame::SetPaneText(Pane pane, const QString& text)
{
    QLabel* label = panes_[pane];
    HoldPaneHeight(pane);
    label->setText(text);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(text) + 2 * kPanePadding);
}

QString CMainFrame::FormatDate(const QDateTime& time)
{
    return time.toString(QStringLiteral("dd. MM. yyyy "));
}

QString CMainFrame::FormatTime(const QDateTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

void CMainFrame::UpdatePanes()
{
    const QDateTime now = clock_();
    SetPaneText(DatePane, FormatDate(now));
    SetPaneText(TimePane, FormatTime(now));
    const LockState locks = lockReader_();
    const bool on[] = { false, locks.caps, locks.num, locks.scroll };
    for (Pane pane : { CapsPane, NumPane, ScrollPane }) {
        HoldPaneHeight(pane);
        panes_[pane]->setText(on[pane] ? QString::fromUtf8(kIndicatorText[pane]) : QString());
    }
}

void CMainFrame::OnCommand(int id)
{
    switch (id) {
    case Command::Sound:
        if (dialogs_.sound)
            dialogs_.sound();
        break;
    case Command::BigFont:
        if (dialogs_.displayFont)
            dialogs_.displayFont(BigStyle);
        break;
    case Command::SmallFont:
        if (dialogs_.displayFont)
            dialogs_.displayFont(SmallStyle);
        break;
    case Command::StatusBar:
        OnStatusBarToggled(statusBar()->isHidden());
        break;
    case Command::HelpTopics:
        OnHelpTopics();
        break;
    default:
        if (const ExerciseKind* kind = FindExerciseKind(id)) {
            if (exerciseRouter_)
                exerciseRouter_(*kind);
        } else if (router_) {
            router_(id);
        }
        break;
    }
}

void CMainFrame::OnStatusBarToggled(bool visible)
{
    statusBar()->setVisible(visible);
    Action(Command::StatusBar)->setChecked(visible);
    background_->update();
}

void CMainFrame::OnHelpTopics()
{
    app_.WinHelp(0, CWinApp::HELP_FINDER);
}

void CMainFrame::RepaintBackground()
{
    background_->update();
}

// While a menu is open the message pane spans the whole bar, so long
// prompts are not cut by the other panes.
void CMainFrame::OnMenuShown()
{
    ++openMenus_;
    if (!widened_) {
        widened_ = true;
        for (int pane = CapsPane; pane < PaneCount; ++pane)
            panes_[pane]->hide();
    }
    panes_[MessagePane]->clear();
}

void CMainFrame::OnMenuHidden()
{
    openMenus_ = std::max(0, openMenus_ - 1);
    if (openMenus_ > 0)
        return;
    if (widened_) {
        widened_ = false;
        for (int pane = CapsPane; pane < PaneCount; ++pane)
            panes_[pane]->show();
    }
    panes_[MessagePane]->setText(QString::fromUtf8(kIdleText));
}

bool CMainFrame::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        // Shown in our own pane: QStatusBar would show its idle widgets for an
        // empty prompt, where an entry without a prompt must leave it empty.
        const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        if (openMenus_ > 0 || !tip.isEmpty())
            panes_[MessagePane]->setText(tip);
        else
            panes_[MessagePane]->setText(QString::fromUtf8(kIdleText));
        return true;
    }
    return QMainWindow::event(e);
}
