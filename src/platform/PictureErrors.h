#pragma once
// The exceptions of the picture classes. Callers that load or save pictures catch
// std::exception; the classes only say what went wrong.
#include <stdexcept>

// Picture data that cannot be decoded, or a picture operation that cannot be done.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A picture file that cannot be opened, created or completed.
class EPictureFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
