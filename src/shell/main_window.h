// The main window: the tabs that edit the project, its menus, the status bar and the calculation run.
// Every handler is one call into the editor layer followed by showing the model again.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editor/field_edits.h"
#include "editor/input_mark.h"
#include "editor/record_navigation.h"
#include "editor/view_actions.h"
#include "model/project_model.h"
#include "base/status.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QUndoStack;

namespace tarnix {

class AnalysisSettingsDialog;
class CalculationWorker;
class ConfinementWindow;
class FileViewer;
class HelpWindow;
class MemberPropertiesWindow;
class PlotLoadWindow;
class RecordTable;
class ResultsPanel;
class SectionPreview;
class SlendernessParametersWindow;
class ViewWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  /// The project the window edits.
  ProjectModel& Model() { return model_; }
  /// Reads an input file into the project and shows it; an empty path (a cancelled dialog) changes nothing.
  bool LoadInput(const QString& path);
  /// Save As once its dialog has named `path`: a project file (.json) or an input file; a project in two
  /// dimensions named for an input file is refused with the reason and offered the project file.
  void SaveTo(std::string path);
  /// Fills every control of the main window from the project (the derived output options worked out again).
  void Refresh();
  /// Refresh, and the small windows and views that are open show the project too.
  void RefreshWindows();
  /// Starts the calculation run; false when it could not start (its message has been shown).
  bool PerformCalculations();
  bool CalculationBusy() const;
  /// Undo and Redo of the changes of the project.
  QUndoStack& History() { return *undo_; }
  /// The results dock of the last calculation.
  ResultsPanel& Results() { return *results_; }

 signals:
  /// A calculation run ended with this outcome.
  void CalculationFinished(const tarnix::Status& status);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  /// Ctrl+Z and Ctrl+Shift+Z in a field undo and redo changes of the project, not only of the field's text.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct FieldControl {
    QLineEdit* edit;
    Field field;
    QLabel* caption;  // the words and the unit
    QLabel* unit;     // the spiral-column factor beside the field, or nothing
  };

  /// A field with its caption (and its unit beside it) on the form layout of `form`.
  void AddField(QWidget* form, Field field);
  /// Shows the model's value, unless the field is being typed into or holds refused text.
  void ShowField(const FieldControl& control);
  /// Hands the typed text to the editor layer, marks the field when it was refused and records the change.
  void TypeInto(const FieldControl& control, const QString& text);
  void ShowFields(const std::vector<Field>& fields);
  /// The table of a list: each edit one change for Undo, rows added, deleted and pasted.
  RecordTable* Table(QWidget* parent, RecordList list);
  /// The corner table shows the corners of the current polygon.
  void ShowCorners();
  /// A list's group: its tables side by side (a polygon's corners beside the polygons).
  QGroupBox* ListFrame(QWidget* tab, FieldGroup group);
  /// Writes every model value into the main window's controls, changing nothing in the model.
  void ShowModel();
  void OnRefresh(std::function<void()> refresh) { refreshers_.push_back(std::move(refresh)); }
  void Choice(bool refresh);
  /// Runs `edit` on the project and, when it changed something, keeps the change for Undo. Changes made by
  /// the small windows since the last one are part of it. `mergeKey` >= 0 joins consecutive changes.
  bool Change(const std::function<bool()>& edit, int mergeKey = -1);
  /// The project was replaced (start-up, a loaded file): nothing to undo, nothing unsaved, no marks.
  void StartHistory();
  /// A small window (1 member, 2 slenderness, 5 confinement) changed the project.
  void SmallWindowEdited(int window);
  /// After Undo or Redo: the window shows the restored project.
  void HistoryStepped();
  void ChangeUnits(bool english);
  /// The criteria list's entry `index` chosen: asks whether its default strengths replace the engineer's
  /// and says what changed.
  void ChangeCriteria(int index);
  void UpdateTitle();
  /// Ctrl+S: saves to the current input file (Save As when there is none).
  void SaveInput();
  /// The bar generators: bars around a rectangle or on a circle, added to the single bars or replacing them.
  void GenerateBars();

  void BuildMenus();
  void BuildTabs();
  QWidget* Tab(MainTab tab);
  QWidget* CriteriaTab();
  /// The concrete, reinforcing and steel shape tabs: the lists of the tab side by side.
  QWidget* ListsTab(MainTab which);
  QWidget* LoadsTab();
  QWidget* StressStrainTab();

  void ShowMessage(const Status& status);
  /// The guard of the commands that need complete input, given the check's outcome: true when complete;
  /// otherwise the window shows where the first problem lies and says why.
  bool InputReady(const Status& complete);
  /// Brings the tab of the first problem of the input to the front and marks its field, table, row or cell.
  void MarkInputProblem();
  /// Takes the mark of an incomplete input away.
  void ClearInputMark();
  void ShowSlendernessWindows();
  void ShowMemberWindow();
  /// The analysis settings, from the project as it is now; Cancel puts the project back.
  void ShowAnalysisSettings();
  void ShowConfinementWindow();
  void SaveInputAs();
  void ChooseOutputFile();
  void ShowFile(ViewedFile which);
  /// The viewer form of the plots of `kind`, made on first use and placed in the cascade of the views.
  ViewWindow& View(PlotKind kind);
  /// The open viewer forms draw their plots again from the project's current results.
  void RedrawView();
  /// The guard of the charts and the drawing; false after showing why nothing can be shown.
  bool ReadyToView(bool needDiagram);
  void ShowInteractionDiagram();
  void ShowMomentCurvature();
  /// A double click on a row of the results: the moment-curvature curve of the load when the last
  /// calculation traced it, else the interaction diagram with the load's point.
  void ShowLoadChart(int load);
  void ShowSection();
  void AddRecentFile(const QString& path);
  void RebuildRecentMenu();
  bool MaybeSave();
  void ShowStatus(const QString& first, const QString& second);
  void ShowFileNames();
  void CalculationEnded(std::shared_ptr<ProjectModel> result, Status status);

  ProjectModel model_;
  ProjectModel committed_;  // the project's inputs after the last change kept for Undo
  QUndoStack* undo_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  FieldProblems problems_;
  std::optional<InputMark> mark_;  // where the input was last found incomplete, until edited there
  int typingSession_ = 0;  // a field left and typed into again is a new change
  bool steppingHistory_ = false;
  std::vector<FieldControl> fields_;
  std::vector<std::function<void()>> refreshers_;
  std::vector<RecordTable*> tables_;
  QTabWidget* tabs_ = nullptr;
  QLabel* status1_ = nullptr;
  QLabel* status2_ = nullptr;
  QLabel* calculated_ = nullptr;  // how the last calculation ended
  QPushButton* cancel_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  CalculationWorker* worker_ = nullptr;
  HelpWindow* help_ = nullptr;
  MemberPropertiesWindow* member_ = nullptr;
  SlendernessParametersWindow* slender_ = nullptr;
  AnalysisSettingsDialog* settings_ = nullptr;
  ProjectModel settingsBefore_;  // the project when the analysis settings opened
  ConfinementWindow* confinement_ = nullptr;
  FileViewer* viewer_ = nullptr;
  std::vector<ViewWindow*> views_;  // made so far, in the order they were first opened
  PlotLoadWindow* plotLoad_ = nullptr;
  ResultsPanel* results_ = nullptr;
  SectionPreview* preview_ = nullptr;
  qint64 calculationStart_ = 0;
  bool placeDocks_ = true;  // no split kept from an earlier session: the results get their width at first
                            // show  // ms since the epoch when the running calculation started
};

}  // namespace tarnix
