#pragma once
// FrameError: an error that the application frame raises itself, such as a
// refused modal showing. It carries only the message the error box shows.

#include <stdexcept>

namespace app {

class FrameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace app
