// The type registry: one process-wide, creation-ordered list that owns every record of a type.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// A record type T derives from TRegistered<T>. Records are made only through T::New(), and
// each one appends itself to its registry while it is being constructed; the registry owns it
// until the process ends (or DestroyEach). Walks visit records in creation order by position,
// so a walk nested inside another walk of the same registry never disturbs the outer one.
template <class T> class TRegistered {
protected:
  // Only New() can make this key, so records cannot be built on the stack or by hand.
  struct Key {
  private:
    Key() = default;
    friend class TRegistered<T>;
  };

  // The registry keeps the base part: the T around it is not built yet, so no cast to T here.
  explicit TRegistered(Key) { Records().emplace_back(this); }

public:
  TRegistered(const TRegistered &) = delete;
  TRegistered &operator=(const TRegistered &) = delete;
  virtual ~TRegistered() = default;

  // Makes a record with its defaults; the registry already owns it when this returns.
  static T *New() {
    try {
      return new T(Key{});
    } catch (...) {
      // The record's own constructor failed after the base had registered: unwinding has
      // destroyed it already, so take it off the list without deleting it again.
      Records().back().release();
      Records().pop_back();
      throw;
    }
  }

  // Empties the registry, destroying every record. Nothing in the game calls it.
  static void DestroyEach() { Records().clear(); }

  static std::size_t Count() { return Records().size(); }
  static T *At(std::size_t i) { return static_cast<T *>(Records()[i].get()); }

  // A creation-order walk: `for (T *r : T::Walk())`. The end is read once at the start.
  class TWalk {
  public:
    class iterator {
    public:
      explicit iterator(std::size_t i) : i_(i) {}
      T *operator*() const { return TRegistered<T>::At(i_); }
      iterator &operator++() {
        ++i_;
        return *this;
      }
      bool operator!=(const iterator &o) const { return i_ != o.i_; }

    private:
      std::size_t i_;
    };
    iterator begin() const { return iterator(0); }
    iterator end() const { return iterator(end_); }

  private:
    std::size_t end_ = TRegistered<T>::Count();
  };
  static TWalk Walk() { return TWalk(); }

private:
  // Function-local so that every registry exists, empty, before the first record is made.
  static std::vector<std::unique_ptr<TRegistered<T>>> &Records() {
    static std::vector<std::unique_ptr<TRegistered<T>>> records;
    return records;
  }
};
