// The search threads of a circle walk and the in-order store of what they cut.
#include "calc/circle/column_threads.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "calc/circle/fellenius_slice.h"
#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/breaks.h"
#include "calc/slicing/radius.h"

namespace selvana {
namespace {

// A completed surface as a search thread closed it, with its dump lines when a store will
// accept it.
struct ClosedSurface {
  SlipResult record;
  BishopShares shares;
  int direction;                   // SlopeDirection after its totals
  std::size_t textAt, textLength;  // its dump lines in the thread's text
};

// What one search thread closed in a batch: the surfaces and the text of their dump lines.
struct ThreadSurfaces {
  std::vector<ClosedSurface> surfaces;
  std::vector<char> text;
  std::string_view Lines(const ClosedSurface& s) const {
    return {text.data() + s.textAt, s.textLength};
  }
};

struct CircleJob {
  double cy, R;
  int thread;  // the search thread that cut it
  int first;   // its surfaces in that thread's list
  int count;
};

struct CentreJob {
  double cy;
  int firstCircle, circleCount;
};

// A run of centres of one column (one centre X) with their circles, and the surfaces each
// search thread closed in it.
struct Batch {
  int serial = -1;  // which column of the walk it belongs to
  double cx = 0.0;
  std::vector<CentreJob> centres;
  std::vector<CircleJob> circles;
  std::vector<ThreadSurfaces> surfaces;  // one per thread that cuts
};

// Keeps the closed surfaces of one search thread, and formats the dump lines of those a store
// will accept, so that the searching thread only writes them.
class SurfaceList : public SurfaceOutlet {
 public:
  SurfaceList(ThreadSurfaces& list, SlipFamily family) : list_(list), family_(family) {}
  void Keep(const BishopShares& shares) override {
    const SlipResult& r = CurrentSlipResult;
    std::string_view lines;
    if (SurfaceAccepted(r)) lines = FormatDumpLines(family_, r, shares, room_);
    const std::size_t at = list_.text.size();
    list_.text.insert(list_.text.end(), lines.begin(), lines.end());
    list_.surfaces.push_back({r, shares, SlopeDirection, at, lines.size()});
  }

 private:
  ThreadSurfaces& list_;
  SlipFamily family_;
  char room_[kDumpLinesRoom];
};

// Throws every surface away (the searching thread re-cuts a circle only for its workspace).
class NoOutlet : public SurfaceOutlet {
 public:
  void Keep(const BishopShares&) override {}
};

// The workspace and surface state of the searching thread, which every search thread copies
// before its first circle, so that what a circle does not set (the record's dx, dy) is the same.
struct StartingState {
  const CalcRunData* run = &RunData;
  const SlipResult* current = &CurrentSlipResult;
  const SliceTermsRecord* terms = &SliceTerms;
  int invalid = SlipInvalid;
  SlipMassYRangeRecord range = SlipMassYRange;
  int direction = SlopeDirection;

  void CopyToThisThread() const {
    RunData = *run;
    CurrentSlipResult = *current;
    SliceTerms = *terms;
    SlipInvalid = invalid;
    SlipMassYRange = range;
    SlopeDirection = direction;
  }
};

// Circles handed out to a search thread at a time.
constexpr int kCirclesPerGrab = 4;

// The search threads of one grid order. Cut() hands them a batch; HelpAndWait() cuts circles
// of it on the searching thread too and returns when all are cut; Wait() returns when all are
// cut or skipped after Cancel(). The searching thread cuts in its own workspace, which the walk
// restores at its end (CutLastCircleAgain).
class CircleThreads {
 public:
  // threads: the search threads besides the searching thread. When the system gives fewer,
  // the search goes on with those it gave (with none, the searching thread cuts alone).
  CircleThreads(int threads, CircleMethod& method, int order0) : method_(method), order0_(order0) {
    const StartingState start;
    threads_.reserve(static_cast<std::size_t>(threads));
    for (int id = 0; id < threads; ++id) {
      try {
        threads_.emplace_back([this, id, &start] { Run(id, start); });
      } catch (const std::system_error&) {
        break;
      }
    }
    std::unique_lock lock(mutex_);
    count_ = static_cast<int>(threads_.size());
    done_.wait(lock, [this] { return ready_ == count_; });
  }
  ~CircleThreads() {
    {
      std::lock_guard lock(mutex_);
      quit_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : threads_) t.join();
  }
  CircleThreads(const CircleThreads&) = delete;
  CircleThreads& operator=(const CircleThreads&) = delete;

  void Cut(Batch& batch) {
    {
      std::lock_guard lock(mutex_);
      batch_ = &batch;
      next_ = 0;
      cancel_ = false;
      busy_ = count_;
      ++generation_;
    }
    wake_.notify_all();
  }
  void Cancel() { cancel_ = true; }
  void HelpAndWait(Batch& batch) {
    CutShare(batch, count_, searchingThreadBreaks_);
    Wait();
  }
  void Wait() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return busy_ == 0; });
  }

 private:
  void Run(int id, const StartingState& start) {
    start.CopyToThisThread();
    method_.StartThread();
    {
      std::lock_guard lock(mutex_);
      ++ready_;
    }
    done_.notify_all();
    int seen = 0;
    int breaksFor = -1;  // the column whose slice breakpoints this thread holds
    for (;;) {
      Batch* batch = nullptr;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return quit_ || generation_ != seen; });
        if (quit_) break;
        seen = generation_;
        batch = batch_;
      }
      CutShare(*batch, id, breaksFor);
      std::lock_guard lock(mutex_);
      if (--busy_ == 0) done_.notify_all();
    }
    method_.EndThread();
  }

  // Cuts circles of the batch until none is left or the walk is cancelled.
  void CutShare(Batch& batch, int id, int& breaksFor) {
    ThreadSurfaces& list = batch.surfaces[static_cast<std::size_t>(id)];
    list.surfaces.clear();
    list.text.clear();
    SurfaceList outlet(list, method_.Family());
    if (breaksFor != batch.serial) {
      BuildSliceBreaksX(batch.cx);
      breaksFor = batch.serial;
    }
    const int n = static_cast<int>(batch.circles.size());
    for (int i = next_.fetch_add(kCirclesPerGrab); i < n; i = next_.fetch_add(kCirclesPerGrab)) {
      for (int k = i; k < std::min(i + kCirclesPerGrab, n); ++k) {
        if (cancel_) return;
        CircleJob& job = batch.circles[static_cast<std::size_t>(k)];
        job.thread = id;
        job.first = static_cast<int>(list.surfaces.size());
        EvaluateCircle(order0_, batch.cx, job.cy, job.R, method_, &outlet);
        job.count = static_cast<int>(list.surfaces.size()) - job.first;
      }
    }
  }

  CircleMethod& method_;
  const int order0_;
  int count_ = 0;  // search threads running; also the searching thread's number
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  Batch* batch_ = nullptr;
  int generation_ = 0;
  int busy_ = 0;
  int ready_ = 0;
  bool quit_ = false;
  int searchingThreadBreaks_ = -1;  // the column whose breakpoints the searching thread holds
  std::atomic<int> next_{0};
  std::atomic<bool> cancel_{false};
};

// Circles listed for the threads at a time (whole centres, so a batch may hold a few more): a
// batch takes about a millisecond on eight cores, which bounds how long a stop or the progress
// window waits for the searching thread.
constexpr std::size_t kBatchCircles = 512;

// Room for a batch, made before the walk so that its loops need none (a centre with more radii
// than a batch grows the lists once); a list of surfaces for each of the threads that cut.
void MakeRoom(Batch& batch, std::size_t rows, int threads) {
  batch.centres.reserve(rows);
  batch.circles.reserve(2 * kBatchCircles);
  batch.surfaces.resize(static_cast<std::size_t>(threads));
  const std::size_t share = 2 * kBatchCircles / static_cast<std::size_t>(threads) + 16;
  for (ThreadSurfaces& list : batch.surfaces) {
    list.surfaces.reserve(share);
    list.text.reserve(share * 320);  // four dump lines of about 80 characters
  }
}

// Lists the centres of the column at cx from row `first` on, with their circles, until the
// batch holds kBatchCircles circles or the column ends; the radius ranges are the ones the
// one-thread walk finds (in the searching thread's SearchGrid). Returns the next row.
std::size_t ListBatch(Batch& batch, int serial, double cx, const std::vector<double>& rows,
                      std::size_t first) {
  SearchGridRecord& g = RunData.SearchGrid;
  batch.serial = serial;
  batch.cx = cx;
  batch.centres.clear();
  batch.circles.clear();
  std::size_t row = first;
  for (; row < rows.size() && batch.circles.size() < kBatchCircles; ++row) {
    const double cy = rows[row];
    const int firstCircle = static_cast<int>(batch.circles.size());
    CircleRadiusRange(cx, cy);
    ForEachRadius(g, [&](double R) { batch.circles.push_back({cy, R, 0, 0, 0}); });
    batch.centres.push_back(
        {cy, firstCircle, static_cast<int>(batch.circles.size()) - firstCircle});
  }
  return row;
}

// The last circle stored, which the searching thread cuts again at the end for its workspace.
struct LastCircle {
  bool any = false;
  double cx = 0.0, cy = 0.0, R = 0.0;
};

// Stores the surfaces of a cut batch in the one-thread order; false when the user stopped
// the search at one of its centres.
bool StoreBatch(const Batch& batch, CircleMethod& method, CalcProgress& progress,
                LastCircle& last) {
  const int order0 = RunData.SearchGrid.Order;
  for (const CentreJob& centre : batch.centres) {
    if (!StartCentre(method, progress, batch.cx, centre.cy)) return false;
    for (int k = 0; k < centre.circleCount; ++k) {
      const CircleJob& job = batch.circles[static_cast<std::size_t>(centre.firstCircle + k)];
      const ThreadSurfaces& list = batch.surfaces[static_cast<std::size_t>(job.thread)];
      for (int s = 0; s < job.count; ++s) {
        const ClosedSurface& surface = list.surfaces[static_cast<std::size_t>(job.first + s)];
        CurrentSlipResult = surface.record;
        SlopeDirection = surface.direction;
        method.StoreSurface(order0, surface.shares, list.Lines(surface));
      }
      last = {true, batch.cx, job.cy, job.R};
    }
  }
  return true;
}

// Leaves the searching thread's workspace and surface state as cutting the last stored circle
// there would have left them.
void CutLastCircleAgain(const LastCircle& last, CircleMethod& method) {
  if (!last.any) return;
  BuildSliceBreaksX(last.cx);
  NoOutlet discard;
  EvaluateCircle(RunData.SearchGrid.Order, last.cx, last.cy, last.R, method, &discard);
}

}  // namespace

bool WalkCentresOnThreads(CircleMethod& method, CalcProgress& progress, int threads) {
  const SearchGridRecord& g = RunData.SearchGrid;
  // Every column has the same centre Y, found by the one-thread walk's own loop.
  std::size_t rowCount = 0;
  ForEachCentreY(g, [&](double) { return ++rowCount, true; });
  std::vector<double> rows;
  rows.reserve(rowCount);
  ForEachCentreY(g, [&](double cy) { return rows.push_back(cy), true; });
  Batch batches[2];
  for (Batch& batch : batches) MakeRoom(batch, rows.size(), threads);
  CircleThreads cutters(threads - 1, method, g.Order);
  Batch* cut = nullptr;  // the batch cut last, waiting to be stored
  LastCircle last;
  int column = 0;
  bool finished = ForEachCentreX(g, [&](double cx) {
    for (std::size_t row = 0; row < rows.size();) {
      Batch& next = cut == &batches[0] ? batches[1] : batches[0];
      row = ListBatch(next, column, cx, rows, row);
      cutters.Cut(next);
      if (cut && !StoreBatch(*cut, method, progress, last)) {
        cutters.Cancel();
        cutters.Wait();
        return false;
      }
      cutters.HelpAndWait(next);
      cut = &next;
    }
    ++column;
    return true;
  });
  if (finished && cut) finished = StoreBatch(*cut, method, progress, last);
  CutLastCircleAgain(last, method);
  return finished;
}

}  // namespace selvana
