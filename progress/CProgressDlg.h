#pragma once

#include "progress/ProgressReport.h"
#include "progress/ProgressStore.h"

#include <QDialog>

#include <functional>
#include <memory>

class CWinApp;
class QBarSet;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QTabWidget;
class QTableWidget;
class RunRecorder;

// "Fortschritt": what the child practised and what it still finds hard, read
// from the record of the runs: a chart of the share right at the first try
// and the number of tasks per day, the most missed tasks, and the "Plus" and
// "Minus" facts up to 20 coloured by how well they sit.  A record that cannot
// be read is named, and the parent may set it aside and begin a new one.
class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    // The questions the window asks; tests answer them directly.
    struct Seams {
        // A file name to save the CSV under; empty when cancelled.
        std::function<QString(const QString& suggested)> askCsvPath;
        // One of the four own lists by its index 0..3, -1 when cancelled.
        std::function<int(const QStringList& lists)> askOwnList;
        // A yes/no question; true for yes.
        std::function<bool(const QString& text)> confirm;
        // A message with title "Pilo" and one OK button.
        std::function<void(const QString& text)> showMessage;
    };

    // Periods of the chart, as the period box lists them.
    enum Period { LastFourWeeks, AllTime };
    // Entries of the grid box.
    enum GridKind { PlusGrid, MinusGrid };

    // Most missed tasks shown in the table, and written as an own list.
    static constexpr std::size_t kMostMissedShown = 100;
    static constexpr std::size_t kOwnListTasks = 50;
    // The topic of the menu entry that opens the window (65536 + its command id).
    static constexpr int kHelpContext = 65536 + 32890;

    CProgressDlg(CWinApp& app, QWidget* parent = nullptr);
    ~CProgressDlg() override;

    Seams& DialogSeams() { return seams_; }

    void OnInitDialog();
    // Reads the record anew with the chosen period and kind.
    void Reload();
    void OnSaveCsv();
    void OnSaveOwnList();
    void OnNewRecord();
    void OnHelp();

    ProgressStore::State State() const { return state_; }
    QLabel* NoticeLine() const { return notice_; }
    QLabel* RecorderLine() const { return recorderLine_; }
    QPushButton* NewRecordButton() const { return newRecord_; }
    QComboBox* PeriodBox() const { return period_; }
    QComboBox* KindBox() const { return kind_; }
    QComboBox* GridBox() const { return gridKind_; }
    QTabWidget* Tabs() const { return tabs_; }
    QChartView* ChartView() const { return chartView_; }
    QLineSeries* ShareLine() const { return shareLine_; }
    QBarSet* TaskBars() const { return taskBars_; }
    QStringList ChartCategories() const { return categories_; }
    QTableWidget* MissedTable() const { return missed_; }
    QTableWidget* FactTable() const { return facts_; }
    QPushButton* CsvButton() const { return csvButton_; }
    QPushButton* OwnListButton() const { return ownButton_; }

    static QColor ShareColour(double share);

private:
    void createLayout();
    QWidget* createChartTab();
    QWidget* createMissedTab();
    QWidget* createFactTab();
    void SetDefaultSeams();
    void OpenStore();
    void ShowState();
    void FillKinds();
    ProgressReport::Filter CurrentFilter() const;
    void FillChart();
    void FillMissed();
    void FillFacts();

    CWinApp& app_;
    RunRecorder& recorder_;
    Seams seams_;
    std::unique_ptr<ProgressStore> store_;
    std::unique_ptr<ProgressReport> report_;
    ProgressStore::State state_ = ProgressStore::State::Missing;
    QString loadError_;
    QString info_;

    QLabel* notice_ = nullptr;
    QLabel* recorderLine_ = nullptr;
    QPushButton* newRecord_ = nullptr;
    QComboBox* period_ = nullptr;
    QComboBox* kind_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLineSeries* shareLine_ = nullptr;
    QBarSet* taskBars_ = nullptr;
    QStringList categories_;
    QTableWidget* missed_ = nullptr;
    QComboBox* gridKind_ = nullptr;
    QTableWidget* facts_ = nullptr;
    QPushButton* csvButton_ = nullptr;
    QPushButton* ownButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
