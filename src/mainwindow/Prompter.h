// Questions and messages to the user. The window answers them with message
// boxes; tests answer them directly.
#pragma once

#include <string>

namespace kalteron {

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A question with Yes and No buttons, the question icon and the program's
  // name as title. True means Yes.
  virtual bool askYesNo(const std::string& question) = 0;
  // A message with only an OK button.
  virtual void message(const std::string& text) = 0;
};

}  // namespace kalteron
