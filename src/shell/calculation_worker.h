// Runs a calculation on a worker thread, on a copy of the model, so that the window stays responsive and
// never touches the data the analyses work on.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "model/project_model.h"
#include "base/status.h"

namespace tarnix {

class CalculationWorker : public QObject {
  Q_OBJECT

 public:
  explicit CalculationWorker(QObject* parent = nullptr);
  ~CalculationWorker() override;

  /// Starts the run on a copy of `m`; false while another run is busy.
  bool Start(const ProjectModel& m);
  bool Busy() const { return busy_; }
  /// Asks the running analysis to stop at its next step.
  void Cancel() { cancel_ = true; }

 signals:
  /// The two status texts of the run, in the window's thread.
  void Status(const QString& first, const QString& second);
  /// The run ended; `result` is the model with its result blocks, `status` the outcome.
  void Finished(std::shared_ptr<tarnix::ProjectModel> result, tarnix::Status status);

 private:
  std::atomic<bool> cancel_{false};
  bool busy_ = false;
  QThread* thread_ = nullptr;
};

}  // namespace tarnix
