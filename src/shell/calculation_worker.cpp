// The calculation on its worker thread.
#include "shell/calculation_worker.h"

#include <QMetaObject>
#include <QThread>

#include "editor/calculation_command.h"

namespace tarnix {
namespace {

// Forwards the status texts to the window's thread and reports the cancel request.
class ThreadObserver : public RunObserver {
 public:
  ThreadObserver(CalculationWorker* worker, std::atomic<bool>* cancel) : worker_(worker), cancel_(cancel) {}
  void ShowStatus(const std::string& first, const std::string& second) override {
    const QString a = QString::fromStdString(first), b = QString::fromStdString(second);
    QMetaObject::invokeMethod(
        worker_, [w = worker_, a, b] { emit w->Status(a, b); }, Qt::QueuedConnection);
  }
  bool CancelRequested() override { return *cancel_; }

 private:
  CalculationWorker* worker_;
  std::atomic<bool>* cancel_;
};

}  // namespace

CalculationWorker::CalculationWorker(QObject* parent) : QObject(parent) {
  qRegisterMetaType<std::shared_ptr<tarnix::ProjectModel>>();
  qRegisterMetaType<tarnix::Status>();
}

CalculationWorker::~CalculationWorker() {
  if (thread_ != nullptr) {
    cancel_ = true;
    thread_->wait();
  }
}

bool CalculationWorker::Start(const ProjectModel& m) {
  if (busy_) return false;
  busy_ = true;
  cancel_ = false;
  auto copy = std::make_shared<ProjectModel>(m);
  thread_ = QThread::create([this, copy] {
    ThreadObserver observer(this, &cancel_);
    const tarnix::Status status = RunKeepingEarlierReport(*copy, &observer);
    QMetaObject::invokeMethod(
        this,
        [this, copy, status] {
          thread_->wait();
          delete thread_;
          thread_ = nullptr;
          busy_ = false;
          emit Finished(copy, status);
        },
        Qt::QueuedConnection);
  });
  thread_->start();
  return true;
}

}  // namespace tarnix
