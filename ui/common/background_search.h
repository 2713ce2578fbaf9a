#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include <QMetaObject>
#include <QObject>

namespace drippo::ui {

// One search at a time on a worker thread, its answer handed back on the
// receiver's thread. The work gets copies only, never the live game. A new
// start, cancel() or the end of this object stops the worker and waits for
// it; an answer already on its way is then dropped. The receiver must own
// this object.
class BackgroundSearch {
 public:
  explicit BackgroundSearch(QObject* receiver) : receiver_(receiver) {}
  BackgroundSearch(const BackgroundSearch&) = delete;
  BackgroundSearch& operator=(const BackgroundSearch&) = delete;
  ~BackgroundSearch() { cancel(); }

  template <class Answer>
  void start(std::function<Answer(const std::atomic<bool>& cancel)> work, std::function<void(Answer)> done) {
    cancel();
    auto job = std::make_shared<Job>();
    job_ = job;
    worker_ = std::thread([job, receiver = receiver_, work = std::move(work), done = std::move(done)] {
      Answer answer = work(job->cancel);
      if (job->cancel.load()) return;
      // The receiver owns this object, so it outlives the worker; the token
      // drops an answer that arrives after a cancel.
      QMetaObject::invokeMethod(
          receiver,
          [job, done, answer = std::move(answer)]() mutable {
            if (!job->cancel.load()) done(std::move(answer));
          },
          Qt::QueuedConnection);
    });
  }

  void cancel() {
    if (job_) job_->cancel.store(true);
    if (worker_.joinable()) worker_.join();
    job_.reset();
  }

 private:
  struct Job {
    std::atomic<bool> cancel{false};
  };
  QObject* receiver_;
  std::shared_ptr<Job> job_;
  std::thread worker_;
};

}  // namespace drippo::ui
