#include "output/geometry_stream.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <span>
#include <system_error>
#include <thread>

#include "output/geometry_file.h"
#include "output/layout.h"

namespace percorso {
namespace {

// One encoded piece: both coordinates of some metres, `n` bytes each, that go
// at `offset` in each half of the file.
struct Piece {
  std::unique_ptr<char[]> bytes;
  uint64_t offset = 0;
  uint64_t n = 0;
  bool ok = true;
  std::string err;
};

// Encodes the file piece after piece into buffers sized once for the largest
// piece; the buffers are never filled with anything but the encoded bytes.
class PieceEncoder {
 public:
  PieceEncoder(const Tracciato& t, int64_t metres)
      : t_(t),
        reader_(t),
        metres_(std::max<int64_t>(metres, 1)),
        room_(2 * static_cast<size_t>(metres_) * layout::EntrySize(Tag::kReale)) {}

  size_t count() const { return static_cast<size_t>((reader_.size() + metres_ - 1) / metres_); }
  Piece Make() const {
    Piece p;
    p.bytes = std::make_unique_for_overwrite<char[]>(room_);
    return p;
  }
  /// Encodes the next piece into `p`.
  void Next(Piece& p) {
    const int64_t first = reader_.position();
    p.offset = GeometryOffset(t_, first);
    p.ok = EncodeMetres(reader_, std::min(reader_.size(), first + metres_),
                        std::span<char>(p.bytes.get(), room_), &p.n, &p.err);
  }

 private:
  const Tracciato& t_;
  TracciatoReader reader_;
  int64_t metres_;
  size_t room_;
};

bool Hand(const Piece& p, uint64_t half, const GeometrySink& sink, std::string* err) {
  if (!p.ok) {
    *err = p.err;
    return false;
  }
  const char* bytes = p.bytes.get();
  const size_t n = static_cast<size_t>(p.n);
  return sink(p.offset, std::string_view(bytes, n), err) &&
         sink(half + p.offset, std::string_view(bytes + n, n), err);
}

bool InTurn(PieceEncoder& encoder, uint64_t half, const GeometrySink& sink, std::string* err) {
  Piece p = encoder.Make();
  for (size_t i = 0; i < encoder.count(); ++i) {
    encoder.Next(p);
    if (!Hand(p, half, sink, err)) return false;
  }
  return true;
}

// Two buffers in turn: a worker thread encodes piece i into buffer i % 2 while
// the calling thread hands out piece i - 1 from the other.
class Overlapped {
 public:
  explicit Overlapped(PieceEncoder& encoder) : encoder_(encoder) {
    for (Piece& p : pieces_) p = encoder.Make();
  }

  /// False with `*started` false when no thread could be started: nothing has
  /// been encoded then.
  bool Run(uint64_t half, const GeometrySink& sink, bool* started, std::string* err) {
    // Declared after the state it uses, so that it is joined before the state
    // goes.
    std::jthread worker;
    try {
      worker = std::jthread([this] { Work(); });
    } catch (const std::system_error&) {
      *started = false;
      return false;
    }
    *started = true;
    for (size_t i = 0; i < encoder_.count(); ++i) {
      const size_t b = i % 2;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return full_[b]; });
      }
      const bool ok = Hand(pieces_[b], half, sink, err);
      {
        std::lock_guard lock(mutex_);
        full_[b] = false;
        stop_ = !ok;
      }
      changed_.notify_all();
      if (!ok) return false;
    }
    return true;
  }

 private:
  void Work() {
    for (size_t i = 0; i < encoder_.count(); ++i) {
      const size_t b = i % 2;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || !full_[b]; });
        if (stop_) return;
      }
      encoder_.Next(pieces_[b]);
      {
        std::lock_guard lock(mutex_);
        full_[b] = true;
      }
      changed_.notify_all();
      if (!pieces_[b].ok) return;
    }
  }

  PieceEncoder& encoder_;
  Piece pieces_[2];
  std::mutex mutex_;
  std::condition_variable changed_;
  bool full_[2] = {false, false};
  bool stop_ = false;
};

}  // namespace

bool StreamTracciato(const Tracciato& t, const GeometrySink& sink, std::string* err,
                     const GeometryStreamOptions& options) {
  PieceEncoder encoder(t, options.metres_per_piece);
  const uint64_t half = GeometryHalfSize(t);
  if (options.overlap && encoder.count() > 1) {
    Overlapped overlapped(encoder);
    bool started = false;
    bool ok = overlapped.Run(half, sink, &started, err);
    if (started) return ok;
  }
  return InTurn(encoder, half, sink, err);
}

}  // namespace percorso
