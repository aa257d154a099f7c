// The main window: the tabs that edit the project, its menus, the status bar and the calculation run.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "model/model_edits.h"
#include "model/project_model.h"
#include "model/status.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;
class QTabWidget;
class QMenu;

namespace tarnix {

class CalculationWorker;
class HelpWindow;
class MemberPropertiesWindow;
class CalculationWindow;
class ParameterWindow;
class ConfinementWindow;
class SlendernessParametersWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  /// The project the window edits.
  ProjectModel& Model() { return model_; }
  /// Reads an input file into the project and shows it; an empty path changes nothing.
  bool LoadInput(const QString& path);
  /// Fills every control from the project.
  void Refresh();
  /// Starts the calculation run; false when it could not start (its message has been shown).
  bool PerformCalculations();
  bool CalculationBusy() const;

 signals:
  /// A calculation run ended with this outcome.
  void CalculationFinished(const tarnix::Status& status);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // One text field: how it stores typed text and how it shows the project's value.
  struct Field {
    QLineEdit* edit;
    std::function<void(const std::string&)> store;
    std::function<std::string()> show;
    QString tip;  // with {L} length, {A} area, {S} stress, {F} force and {M} moment units
    QLabel* unit;  // the unit shown beside the field, or none
  };
  // One field of a record: its label, tool-tip and member.
  template <typename Record>
  struct RecordField {
    const char* label;
    const char* tip;
    float Record::*value = nullptr;
    int Record::*count = nullptr;
  };
  template <typename Record>
  QGroupBox* RecordList(QWidget* tab, const QString& caption, const QString& countLabel, const QString& countTip,
                        RecordKind kind, std::vector<Record> ProjectModel::*list, int ProjectModel::*current,
                        const QString& prefix, std::initializer_list<RecordField<Record>> fields,
                        int Record::*sign = nullptr);
  QGroupBox* RecordFrameWithButtons(QGroupBox* outer, const QString& prefix, std::function<int()> current,
                                    std::function<int()> count, std::function<void(int)> move);
  // A frame that shows one record of a list.
  struct RecordFrame {
    QGroupBox* frame;
    QString prefix;
    std::function<int()> current;
    std::function<int()> count;
  };

  QLineEdit* AddField(QWidget* form, const QString& label, const QString& tip, std::function<void(const std::string&)> store,
                      std::function<std::string()> show);
  /// A field that stores the typed text's leading number into `field` and shows its plain text.
  void AddPlainField(QWidget* form, const QString& label, const QString& tip, float ProjectModel::*field);
  void BuildMenus();
  void BuildTabs();
  QWidget* CriteriaTab();
  QWidget* ConcreteTab();
  QWidget* ReinforcingTab();
  QWidget* SteelTab();
  QWidget* LoadsTab();
  QWidget* StressStrainTab();
  QGroupBox* PointFrame(QWidget* parent, const QString& prefix, SteelCurve curve);
  void ShowMessage(const Status& status);
  void ShowSlendernessWindows();
  void ShowMemberWindow();
  void ShowCalculationWindow();
  void ShowControlParameters();
  void SaveInputAs();
  void ChooseOutputFile();
  void ShowFile(const std::string& path);
  void AddRecentFile(const QString& path);
  void RebuildRecentMenu();
  bool MaybeSave();
  void ShowStatus(const QString& first, const QString& second);
  void ShowFileNames();
  void CalculationEnded(std::shared_ptr<ProjectModel> result, Status status);

  ProjectModel model_;
  std::vector<Field> fields_;
  QString UnitTip(const QString& tip) const;
  std::vector<RecordFrame> frames_;
  std::vector<std::function<void()>> refreshers_;
  QTabWidget* tabs_ = nullptr;
  QLabel* status1_ = nullptr;
  QLabel* status2_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  CalculationWorker* worker_ = nullptr;
  HelpWindow* help_ = nullptr;
  MemberPropertiesWindow* member_ = nullptr;
  CalculationWindow* calculation_ = nullptr;
  ParameterWindow* control_ = nullptr;
  ConfinementWindow* confinement_ = nullptr;
  SlendernessParametersWindow* slender_ = nullptr;
  bool modified_ = false;
};

}  // namespace tarnix
