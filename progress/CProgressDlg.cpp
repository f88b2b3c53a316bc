#include "progress/CProgressDlg.h"

#include "engine/Catalogue.h"
#include "engine/RunRecorder.h"
#include "settings/CWinApp.h"
#include "settings/ProfileKeys.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Beyond this many days "all time" is drawn per month, beyond this many
// months per year: a bar a few pixels wide tells a parent nothing.
constexpr int kMostDays = 56;
constexpr int kMostMonths = 36;
constexpr int kFactCell = 30;
constexpr int kFactRow = 19;
constexpr int kMostLabels = 8;

// Sorts by the value under Qt::UserRole (counts, times as ISO text) rather
// than by the text shown.
class SortItem : public QTableWidgetItem {
public:
    SortItem(const QString& text, const QVariant& key)
        : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, key);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant a = data(Qt::UserRole);
        const QVariant b = other.data(Qt::UserRole);
        if (a.typeId() == QMetaType::Int && b.typeId() == QMetaType::Int)
            return a.toInt() < b.toInt();
        return a.toString() < b.toString();
    }
};

QString ShownTime(const QString& isoText)
{
    const QDateTime time = ProgressStore::FromTimeText(isoText);
    return time.isValid() ? time.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : isoText;
}

QString FactText(int a, int b, bool minus)
{
    return minus ? QStringLiteral("%1 - %2 = %3").arg(a).arg(b).arg(a - b)
                 : QStringLiteral("%1 + %2 = %3").arg(a).arg(b).arg(a + b);
}

} // namespace

CProgressDlg::CProgressDlg(CWinApp& app, QWidget* parent)
    : QDialog(parent)
    , app_(app)
    , recorder_(app.Recorder())
{
    setObjectName(QStringLiteral("progressDialog"));
    setWindowTitle(QStringLiteral("Fortschritt"));
    SetDefaultSeams();
    createLayout();
    OnInitDialog();
}

CProgressDlg::~CProgressDlg()
{
    // The report's queries go before their connection.
    report_.reset();
    store_.reset();
}

void CProgressDlg::SetDefaultSeams()
{
    seams_.askCsvPath = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"), suggested,
            QStringLiteral("CSV-Dateien (*.csv)"));
    };
    seams_.askOwnList = [this](const QStringList& lists) {
        bool ok = false;
        const QString chosen
            = QInputDialog::getItem(this, QStringLiteral("Als eigene Übung speichern"),
                QStringLiteral("Die oft falsch gelösten Aufgaben als Liste speichern:"), lists, 0,
                false, &ok);
        return ok ? int(lists.indexOf(chosen)) : -1;
    };
    seams_.confirm = [this](const QString& text) {
        return QMessageBox::question(this, QStringLiteral("Pilo"), text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    };
    seams_.showMessage = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Pilo"), text, QMessageBox::Ok);
    };
}

void CProgressDlg::createLayout()
{
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("noticeLine"));
    notice_->setWordWrap(true);
    notice_->setTextFormat(Qt::PlainText);
    newRecord_ = new QPushButton(QStringLiteral("Neue Aufzeichnung beginnen"), this);
    newRecord_->setObjectName(QStringLiteral("newRecordButton"));
    newRecord_->setAutoDefault(false);
    recorderLine_ = new QLabel(this);
    recorderLine_->setObjectName(QStringLiteral("recorderLine"));
    recorderLine_->setWordWrap(true);
    recorderLine_->setTextFormat(Qt::PlainText);

    auto* noticeRow = new QHBoxLayout;
    noticeRow->addWidget(notice_, 1);
    noticeRow->addWidget(newRecord_);

    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("periodBox"));
    period_->addItems({ QStringLiteral("Letzte 4 Wochen"), QStringLiteral("Gesamte Zeit") });
    period_->setAccessibleName(QStringLiteral("Zeitraum"));
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("kindBox"));
    kind_->setAccessibleName(QStringLiteral("Übung"));
    kind_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* periodLabel = new QLabel(QStringLiteral("&Zeitraum:"), this);
    periodLabel->setBuddy(period_);
    auto* kindLabel = new QLabel(QStringLiteral("Ü&bung:"), this);
    kindLabel->setBuddy(kind_);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(periodLabel);
    filterRow->addWidget(period_);
    filterRow->addSpacing(16);
    filterRow->addWidget(kindLabel);
    filterRow->addWidget(kind_);
    filterRow->addStretch(1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("progressTabs"));
    tabs_->addTab(createChartTab(), QStringLiteral("&Verlauf"));
    tabs_->addTab(createMissedTab(), QStringLiteral("&Oft falsch"));
    tabs_->addTab(createFactTab(), QStringLiteral("&Plus und Minus bis 20"));

    csvButton_ = new QPushButton(QStringLiteral("Als &CSV speichern..."), this);
    csvButton_->setObjectName(QStringLiteral("csvButton"));
    ownButton_ = new QPushButton(QStringLiteral("Als &eigene Übung speichern..."), this);
    ownButton_->setObjectName(QStringLiteral("ownListButton"));
    helpButton_ = new QPushButton(QStringLiteral("&Hilfe"), this);
    helpButton_->setObjectName(QStringLiteral("helpButton"));
    closeButton_ = new QPushButton(QStringLiteral("Schließen"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setDefault(true);
    for (QPushButton* b : { csvButton_, ownButton_, helpButton_ })
        b->setAutoDefault(false);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(csvButton_);
    buttonRow->addWidget(ownButton_);
    buttonRow->addStretch(1);
    buttonRow->addWidget(helpButton_);
    buttonRow->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(noticeRow);
    layout->addWidget(recorderLine_);
    layout->addLayout(filterRow);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttonRow);
    resize(760, 540);

    connect(period_, &QComboBox::currentIndexChanged, this, &CProgressDlg::Reload);
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
        if (const ExerciseKind* kind = FindExerciseKind(kind_->currentData().toInt()))
            if (kind->menu == Menu::Plus || kind->menu == Menu::Minus)
                gridKind_->setCurrentIndex(kind->menu == Menu::Minus ? MinusGrid : PlusGrid);
        Reload();
    });
    connect(gridKind_, &QComboBox::currentIndexChanged, this, &CProgressDlg::FillFacts);
    connect(newRecord_, &QPushButton::clicked, this, &CProgressDlg::OnNewRecord);
    connect(csvButton_, &QPushButton::clicked, this, &CProgressDlg::OnSaveCsv);
    connect(ownButton_, &QPushButton::clicked, this, &CProgressDlg::OnSaveOwnList);
    connect(helpButton_, &QPushButton::clicked, this, &CProgressDlg::OnHelp);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* CProgressDlg::createChartTab()
{
    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chartView_ = new QChartView(chart_);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setAccessibleName(QStringLiteral("Verlauf"));
    chartView_->setFocusPolicy(Qt::StrongFocus);
    return chartView_;
}

QWidget* CProgressDlg::createMissedTab()
{
    missed_ = new QTableWidget(0, 5);
    missed_->setObjectName(QStringLiteral("missedTable"));
    missed_->setAccessibleName(QStringLiteral("Oft falsch gelöste Aufgaben"));
    missed_->setHorizontalHeaderLabels(
        { QStringLiteral("Aufgabe"), QStringLiteral("Lösung"), QStringLiteral("Gefragt"),
            QStringLiteral("Nicht gleich richtig"), QStringLiteral("Zuletzt gefragt") });
    missed_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    missed_->setSelectionBehavior(QAbstractItemView::SelectRows);
    missed_->verticalHeader()->hide();
    missed_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    missed_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    missed_->setSortingEnabled(true);
    return missed_;
}

QWidget* CProgressDlg::createFactTab()
{
    auto* page = new QWidget;
    gridKind_ = new QComboBox(page);
    gridKind_->setObjectName(QStringLiteral("gridBox"));
    gridKind_->addItems({ QStringLiteral("Plus"), QStringLiteral("Minus") });
    gridKind_->setAccessibleName(QStringLiteral("Rechenart"));
    auto* gridLabel = new QLabel(QStringLiteral("&Rechenart:"), page);
    gridLabel->setBuddy(gridKind_);
    auto* explain = new QLabel(QStringLiteral("Zeilen: erste Zahl, Spalten: zweite Zahl. "
                                              "Grün: meist gleich richtig, rot: oft falsch, "
                                              "leer: noch nicht gefragt."),
        page);
    explain->setWordWrap(true);

    const int size = ProgressReport::kFactMax + 1;
    facts_ = new QTableWidget(size, size, page);
    facts_->setObjectName(QStringLiteral("factTable"));
    facts_->setAccessibleName(QStringLiteral("Aufgaben bis 20"));
    facts_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList numbers;
    for (int i = 0; i < size; ++i)
        numbers << QString::number(i);
    facts_->setHorizontalHeaderLabels(numbers);
    facts_->setVerticalHeaderLabels(numbers);
    for (QHeaderView* header : { facts_->horizontalHeader(), facts_->verticalHeader() }) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(kFactRow);
    }
    facts_->horizontalHeader()->setDefaultSectionSize(kFactCell);
    facts_->verticalHeader()->setDefaultSectionSize(kFactRow);
    QFont small = facts_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (int a = 0; a < size; ++a)
        for (int b = 0; b < size; ++b) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFont(small);
            facts_->setItem(a, b, item);
        }

    auto* top = new QHBoxLayout;
    top->addWidget(gridLabel);
    top->addWidget(gridKind_);
    top->addWidget(explain, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(facts_, 1);
    return page;
}

void CProgressDlg::OnInitDialog()
{
    OpenStore();
    FillKinds();
    Reload();
}

void CProgressDlg::OpenStore()
{
    report_.reset();
    QString path = QString::fromStdString(recorder_.FilePath());
    if (path.isEmpty())
        path = ProgressStore::DefaultPath();
    store_ = std::make_unique<ProgressStore>(path);
    state_ = store_->Open(false);
    loadError_.clear();
    if (state_ == ProgressStore::State::Ready)
        report_ = std::make_unique<ProgressReport>(store_->Database());
}

void CProgressDlg::FillKinds()
{
    const QSignalBlocker blocker(kind_);
    const int chosen = kind_->currentData().toInt();
    kind_->clear();
    kind_->addItem(QStringLiteral("Alle Übungen"), 0);
    if (report_)
        for (const ProgressReport::KindName& k : report_->Kinds())
            kind_->addItem(k.text, k.kind);
    kind_->setCurrentIndex(std::max(0, kind_->findData(chosen)));
}

ProgressReport::Filter CProgressDlg::CurrentFilter() const
{
    ProgressReport::Filter filter;
    if (period_->currentIndex() == LastFourWeeks)
        filter.from = QDate::currentDate().addDays(-27);
    filter.kind = kind_->currentData().toInt();
    return filter;
}

void CProgressDlg::Reload()
{
    if (report_ && !report_->Load(CurrentFilter())) {
        state_ = ProgressStore::State::Damaged;
        loadError_ = QStringLiteral("Die Aufzeichnung „%1“ lässt sich nicht lesen. %2")
                         .arg(QDir::toNativeSeparators(store_->Path()), report_->ErrorText());
        report_.reset();
    }
    FillChart();
    FillMissed();
    FillFacts();
    ShowState();
}

void CProgressDlg::ShowState()
{
    QString notice;
    switch (state_) {
    case ProgressStore::State::Missing:
        notice = QStringLiteral("Noch ist nichts aufgezeichnet. Pilo zeichnet jede Übung auf, "
                                "sobald das Kind die erste Antwort gibt.");
        break;
    case ProgressStore::State::Ready:
        notice = info_;
        break;
    default:
        notice = (loadError_.isEmpty() ? store_->ErrorText() : loadError_)
            + QStringLiteral(" Sie können eine neue Aufzeichnung beginnen; die alte Datei "
                             "bleibt dann unter neuem Namen daneben erhalten.");
        break;
    }
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
    const bool bad
        = state_ != ProgressStore::State::Ready && state_ != ProgressStore::State::Missing;
    newRecord_->setVisible(bad);

    QString recorder;
    if (app_.Read(Setting::Record) == 0)
        recorder = QStringLiteral("Die Aufzeichnung ist ausgeschaltet (Optionen → Einstellungen "
                                  "→ Lernhilfen).");
    else if (!recorder_.LastError().empty())
        recorder = QStringLiteral("Die letzte Antwort wurde nicht aufgezeichnet: ")
            + QString::fromStdString(recorder_.LastError());
    recorderLine_->setText(recorder);
    recorderLine_->setVisible(!recorder.isEmpty());

    const bool data = state_ == ProgressStore::State::Ready;
    csvButton_->setEnabled(data);
    ownButton_->setEnabled(data);
}

void CProgressDlg::FillChart()
{
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    static const std::vector<ProgressReport::Day> none;
    const std::vector<ProgressReport::Day>& days = report_ ? report_->Days() : none;

    const QDate today = QDate::currentDate();
    QDate first = today.addDays(-27);
    if (period_->currentIndex() == AllTime && !days.empty())
        first = std::min(days.front().day, today);
    enum { ByDay, ByMonth, ByYear } step = ByDay;
    int count = int(first.daysTo(today)) + 1;
    if (count > kMostDays) {
        step = ByMonth;
        count = (today.year() - first.year()) * 12 + today.month() - first.month() + 1;
        if (count > kMostMonths) {
            step = ByYear;
            count = today.year() - first.year() + 1;
        }
    }
    auto bucketOf = [&](const QDate& day) {
        switch (step) {
        case ByDay:
            return int(first.daysTo(day));
        case ByMonth:
            return (day.year() - first.year()) * 12 + day.month() - first.month();
        default:
            return day.year() - first.year();
        }
    };
    categories_.clear();
    for (int i = 0; i < count; ++i) {
        switch (step) {
        case ByDay:
            categories_ << first.addDays(i).toString(QStringLiteral("dd.MM."));
            break;
        case ByMonth:
            categories_ << first.addMonths(i).toString(QStringLiteral("MM.yyyy"));
            break;
        default:
            categories_ << QString::number(first.year() + i);
            break;
        }
    }
    std::vector<int> tasks(std::size_t(count), 0);
    std::vector<int> right(std::size_t(count), 0);
    for (const ProgressReport::Day& d : days) {
        const int i = bucketOf(d.day);
        if (i < 0 || i >= count)
            continue;
        tasks[std::size_t(i)] += d.tasks;
        right[std::size_t(i)] += d.rightFirst;
    }

    taskBars_ = new QBarSet(QStringLiteral("Aufgaben"));
    taskBars_->setColor(QColor(160, 190, 230));
    shareLine_ = new QLineSeries;
    shareLine_->setName(QStringLiteral("Gleich richtig (%)"));
    shareLine_->setPointsVisible(true);
    QPen pen(QColor(20, 130, 40));
    pen.setWidth(3);
    shareLine_->setPen(pen);
    int most = 0;
    int all = 0;
    int allRight = 0;
    for (int i = 0; i < count; ++i) {
        const int t = tasks[std::size_t(i)];
        taskBars_->append(t);
        most = std::max(most, t);
        all += t;
        allRight += right[std::size_t(i)];
        if (t > 0)
            shareLine_->append(i, 100.0 * right[std::size_t(i)] / t);
    }
    auto* bars = new QBarSeries;
    bars->append(taskBars_);
    chart_->addSeries(bars);
    chart_->addSeries(shareLine_);

    // Labels on some bars only, counted back from today, so they never crowd.
    auto* xAxis = new QCategoryAxis;
    xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    xAxis->setRange(-0.5, count - 0.5);
    xAxis->setStartValue(-0.5);
    xAxis->setGridLineVisible(false);
    const int every = std::max(1, (count + kMostLabels - 1) / kMostLabels);
    for (int i = (count - 1) % every; i < count; i += every)
        xAxis->append(categories_[i], i);
    auto* shareAxis = new QValueAxis;
    shareAxis->setRange(0, 100);
    shareAxis->setLabelFormat(QStringLiteral("%d %%"));
    shareAxis->setTitleText(QStringLiteral("Gleich richtig"));
    auto* taskAxis = new QValueAxis;
    taskAxis->setRange(0, std::max(most, 5));
    taskAxis->setLabelFormat(QStringLiteral("%d"));
    taskAxis->applyNiceNumbers();
    taskAxis->setTitleText(QStringLiteral("Aufgaben"));
    chart_->addAxis(xAxis, Qt::AlignBottom);
    chart_->addAxis(shareAxis, Qt::AlignLeft);
    chart_->addAxis(taskAxis, Qt::AlignRight);
    bars->attachAxis(xAxis);
    bars->attachAxis(taskAxis);
    shareLine_->attachAxis(xAxis);
    shareLine_->attachAxis(shareAxis);

    const QString per = step == ByDay ? QStringLiteral("Tag")
        : step == ByMonth             ? QStringLiteral("Monat")
                                      : QStringLiteral("Jahr");
    chart_->setTitle(QStringLiteral("Aufgaben je %1 und Anteil gleich richtig").arg(per));
    chartView_->setAccessibleDescription(all == 0
            ? QStringLiteral("Keine Aufgaben in diesem Zeitraum.")
            : QStringLiteral("%1 Aufgaben in diesem Zeitraum, davon %2 Prozent gleich richtig.")
                  .arg(all)
                  .arg(std::lround(100.0 * allRight / all)));
}

void CProgressDlg::FillMissed()
{
    missed_->setSortingEnabled(false);
    missed_->setRowCount(0);
    if (!report_) {
        missed_->setSortingEnabled(true);
        return;
    }
    const auto list = report_->MostMissed(kMostMissedShown);
    missed_->setRowCount(int(list.size()));
    for (int row = 0; row < int(list.size()); ++row) {
        const ProgressReport::TaskCount& t = list[std::size_t(row)];
        missed_->setItem(row, 0, new SortItem(t.task, t.task));
        missed_->setItem(row, 1, new SortItem(t.expected, t.expected));
        missed_->setItem(row, 2, new SortItem(QString::number(t.asked), t.asked));
        missed_->setItem(row, 3, new SortItem(QString::number(t.missed), t.missed));
        missed_->setItem(row, 4, new SortItem(ShownTime(t.last), t.last));
    }
    missed_->setSortingEnabled(true);
    missed_->sortByColumn(3, Qt::DescendingOrder);
}

void CProgressDlg::FillFacts()
{
    const bool minus = gridKind_->currentIndex() == MinusGrid;
    const ProgressReport::FactGrid grid
        = report_ ? report_->Facts(minus ? Menu::Minus : Menu::Plus) : ProgressReport::FactGrid {};
    const int size = ProgressReport::kFactMax + 1;
    for (int a = 0; a < size; ++a)
        for (int b = 0; b < size; ++b) {
            QTableWidgetItem* item = facts_->item(a, b);
            const ProgressReport::Fact& fact = grid[std::size_t(a)][std::size_t(b)];
            QString tip;
            if (fact.asked == 0) {
                item->setText(QString());
                item->setData(Qt::BackgroundRole, QVariant());
                if (!minus || b <= a)
                    tip = FactText(a, b, minus) + QStringLiteral(": noch nicht gefragt");
            } else {
                const double share = double(fact.rightFirst) / fact.asked;
                item->setText(QString::number(std::lround(share * 100)));
                item->setBackground(ShareColour(share));
                tip = QStringLiteral("%1: %2-mal gefragt, %3-mal gleich richtig")
                          .arg(FactText(a, b, minus))
                          .arg(fact.asked)
                          .arg(fact.rightFirst);
            }
            item->setToolTip(tip);
            item->setData(Qt::AccessibleTextRole, tip.isEmpty() ? QStringLiteral("leer") : tip);
        }
}

QColor CProgressDlg::ShareColour(double share)
{
    // From red (none right at the first try) through yellow to green (all).
    return QColor::fromHsvF(std::clamp(share, 0.0, 1.0) / 3.0, 0.55, 0.95);
}

void CProgressDlg::OnSaveCsv()
{
    if (!report_)
        return;
    const QString suggested = QDir::homePath() + QStringLiteral("/Pilo Fortschritt ")
        + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".csv");
    const QString path = seams_.askCsvPath(suggested);
    if (path.isEmpty())
        return;
    if (!report_->WriteCsv(path, CurrentFilter()))
        seams_.showMessage(QStringLiteral("„%1“ konnte nicht gespeichert werden: %2")
                               .arg(QDir::toNativeSeparators(path), report_->ErrorText()));
}

void CProgressDlg::OnSaveOwnList()
{
    if (!report_)
        return;
    const auto tasks = report_->MostMissed(kOwnListTasks);
    if (tasks.empty()) {
        seams_.showMessage(QStringLiteral("In diesem Zeitraum wurde keine Aufgabe falsch gelöst."));
        return;
    }
    std::vector<const ExerciseKind*> own;
    QStringList names;
    for (const ExerciseKind& kind : ExerciseKinds())
        if (kind.menu == Menu::Eigene) {
            own.push_back(&kind);
            names << QStringLiteral("%1 (%2)").arg(
                QString::fromUtf8(kind.menuText.data(), qsizetype(kind.menuText.size())),
                QString::fromUtf8(kind.ownFileName.data(), qsizetype(kind.ownFileName.size())));
        }
    const int chosen = seams_.askOwnList(names);
    if (chosen < 0 || chosen >= int(own.size()))
        return;
    const std::string_view file = own[std::size_t(chosen)]->ownFileName;
    const QString path = QString::fromUtf8(file.data(), qsizetype(file.size()));
    if (QFileInfo::exists(path)
        && !seams_.confirm(QStringLiteral("Die Liste „%1“ gibt es schon. Soll sie durch die %2 "
                                          "oft falsch gelösten Aufgaben ersetzt werden?")
                               .arg(names[chosen])
                               .arg(tasks.size())))
        return;
    QString error;
    if (!WriteOwnExerciseList(path, tasks, &error))
        seams_.showMessage(error);
}

void CProgressDlg::OnNewRecord()
{
    const QString path = store_->Path();
    recorder_.Release();
    report_.reset();
    store_.reset();
    QString aside;
    QString error;
    if (!ProgressStore::SetAside(path, &aside, &error)) {
        seams_.showMessage(error);
        OpenStore();
        Reload();
        return;
    }
    store_ = std::make_unique<ProgressStore>(path);
    state_ = store_->Open(true);
    loadError_.clear();
    if (state_ == ProgressStore::State::Ready)
        report_ = std::make_unique<ProgressReport>(store_->Database());
    info_ = QStringLiteral("Eine neue Aufzeichnung ist begonnen. Die alte Datei heißt jetzt „%1“.")
                .arg(QDir::toNativeSeparators(aside));
    FillKinds();
    Reload();
}

void CProgressDlg::OnHelp()
{
    app_.WinHelp(quint32(kHelpContext), CWinApp::HELP_CONTEXT);
}
