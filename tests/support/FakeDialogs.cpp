#include "support/FakeDialogs.h"

namespace platform {

namespace {

FakeDialogs::Call Logged(FakeDialogs::Kind kind) {
  FakeDialogs::Call call;
  call.kind = kind;
  return call;
}

template <typename T>
T Next(std::deque<T>& queue, int& unanswered, T fallback) {
  if (queue.empty()) {
    ++unanswered;
    return fallback;
  }
  T answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

std::optional<std::filesystem::path> FakeDialogs::openFile(const FileDialogRequest& request) {
  calls.push_back(Logged(Kind::OpenFile));
  calls.back().file = request;
  return Next(fileAnswers, unanswered, std::optional<std::filesystem::path>());
}

std::optional<std::filesystem::path> FakeDialogs::saveFile(const FileDialogRequest& request) {
  calls.push_back(Logged(Kind::SaveFile));
  calls.back().file = request;
  return Next(fileAnswers, unanswered, std::optional<std::filesystem::path>());
}

std::optional<int32_t> FakeDialogs::chooseColor(int32_t initial) {
  calls.push_back(Logged(Kind::Color));
  calls.back().color = initial;
  return Next(colorAnswers, unanswered, std::optional<int32_t>());
}

std::optional<FontChoice> FakeDialogs::chooseFont(const FontChoice& initial) {
  calls.push_back(Logged(Kind::Font));
  calls.back().font = initial;
  return Next(fontAnswers, unanswered, std::optional<FontChoice>());
}

void FakeDialogs::showMessage(const std::string& text) {
  calls.push_back(Logged(Kind::Message));
  calls.back().text = text;
}

bool FakeDialogs::ask(const std::string& question) {
  calls.push_back(Logged(Kind::Ask));
  calls.back().text = question;
  return Next(askAnswers, unanswered, false);
}

}  // namespace platform
