// The search threads of a circle walk and the in-order store of what they cut.
#include "calc/circle/column_threads.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
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
// Each on a cache line of its own: the threads grow their lists side by side.
struct alignas(64) ThreadSurfaces {
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
  // Hand-out: the next circle to take, and (under the threads' lock) how many threads are
  // cutting it and whether a thread may still start on it.
  std::atomic<int> next{0};
  int busy = 0;
  bool open = false;
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

// The search threads of one grid order. Cut() hands them a batch, which they start on as soon
// as they run out of circles of the batch handed before, so that no thread waits for the
// searching thread between batches; HelpAndWait() cuts circles of a batch on the searching
// thread too and returns when all are cut; Wait() returns when every batch handed is cut or
// skipped after Cancel(). Two batches are out at most: the walk lists a batch only into the
// room of one it has stored. The searching thread cuts in its own workspace, which the walk
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
      batch.next = 0;
      batch.busy = 0;
      batch.open = true;
      handed_[published_ % 2] = &batch;
      ++published_;
    }
    wake_.notify_all();
  }
  void Cancel() { cancel_ = true; }
  void HelpAndWait(Batch& batch) {
    CutShare(batch, count_, searchingThreadBreaks_);
    std::unique_lock lock(mutex_);
    Close(batch, lock);
  }
  void Wait() {
    std::unique_lock lock(mutex_);
    for (Batch* batch : handed_) {
      if (batch) Close(*batch, lock);
    }
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
    int taken = 0;       // batches handed out that this thread has come to
    int breaksFor = -1;  // the column whose slice breakpoints this thread holds
    for (;;) {
      Batch* batch = nullptr;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return quit_ || published_ != taken; });
        if (quit_) break;
        // Only the last two handed out are still in their rooms; older ones are closed.
        taken = std::max(taken, published_ - 2);
        batch = handed_[taken % 2];
        ++taken;
        if (!batch->open) continue;
        ++batch->busy;
      }
      CutShare(*batch, id, breaksFor);
      std::lock_guard lock(mutex_);
      if (--batch->busy == 0) done_.notify_all();
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
    for (int i = batch.next.fetch_add(kCirclesPerGrab); i < n;
         i = batch.next.fetch_add(kCirclesPerGrab)) {
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

  // Waits until no thread cuts the batch any more (all its circles are taken, or the walk was
  // cancelled) and keeps threads that come to it later from starting on it.
  void Close(Batch& batch, std::unique_lock<std::mutex>& lock) {
    done_.wait(lock, [&batch] { return batch.busy == 0; });
    batch.open = false;
  }

  CircleMethod& method_;
  const int order0_;
  int count_ = 0;  // search threads running; also the searching thread's number
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  Batch* handed_[2] = {nullptr, nullptr};  // the last two batches handed out
  int published_ = 0;                      // batches handed out so far
  int ready_ = 0;
  bool quit_ = false;
  int searchingThreadBreaks_ = -1;  // the column whose breakpoints the searching thread holds
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
  Batch* cutting = nullptr;  // handed out last, being cut
  Batch* cut = nullptr;      // cut, waiting to be stored
  LastCircle last;
  int column = 0;
  // Each step stores the batch cut before, lists the next one into its room and hands it out,
  // then helps to cut the batch in between: the search threads go on to the new batch while
  // the last circles of the one before are still being cut.
  // Stores the cut batch; when the user stopped the search there, stops the cutting too.
  const auto stored = [&] {
    const bool go = !cut || StoreBatch(*cut, method, progress, last);
    cut = nullptr;
    if (!go) {
      cutters.Cancel();
      cutters.Wait();
    }
    return go;
  };
  const auto cutHanded = [&] {
    if (cutting) cutters.HelpAndWait(*cutting);
    cut = std::exchange(cutting, nullptr);
  };
  bool finished = ForEachCentreX(g, [&](double cx) {
    for (std::size_t row = 0; row < rows.size();) {
      if (!stored()) return false;
      Batch& room = cutting == &batches[0] ? batches[1] : batches[0];
      row = ListBatch(room, column, cx, rows, row);
      cutters.Cut(room);
      cutHanded();
      cutting = &room;
    }
    ++column;
    return true;
  });
  finished = finished && stored();
  if (finished) {
    cutHanded();
    finished = stored();
  }
  CutLastCircleAgain(last, method);
  return finished;
}

}  // namespace selvana
