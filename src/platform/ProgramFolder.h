#pragma once
// Where the running program lives: its file and its folder, beside which lie the
// "demo" and "manual" folders.
#include <filesystem>

namespace platform {

std::filesystem::path ProgramFile();
std::filesystem::path ProgramFolder();

}  // namespace platform
