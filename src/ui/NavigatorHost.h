#pragma once
// What the navigator's list logic asks of the windows around it: the modal windows (the
// warning, the formula keyboard, the point-name picker, the entry window, the CSV import)
// and the parameter panel. The navigator window answers for the program; tests script the
// answers.
#include <cstdint>
#include <string>

#include "animate/WindowQuestions.h"


// Where the navigator is on the screen, for placing the windows it opens.
struct TNavigatorPlace {
  int left = 0, top = 0, right = 0;  // the navigator's frame
  bool rightOfGraph = true;          // docked to the right of the graph window
  int listLeft = 0;                  // the list's left edge
  int mouseY = 0;                    // the last mouse position over the list
};

enum class EntryWindowResult { Accepted, Cancelled };

// The formula keyboard and messages are the shared questions.
class NavigatorHost : public WindowQuestions {
 public:
  virtual ~NavigatorHost() = default;

  // The warning of the code (Twarning); true for yes.
  virtual bool AskWarning(std::uint8_t code) = 0;
  // The point-name picker for a new point (used letters unavailable) at (left, top): the
  // chosen letter's number, 0 when none was chosen.
  virtual int PickPointName(int preset, int left, int top) = 0;
  // Reads a CSV point list into the letter's point sequence: the number of points read,
  // or -1 when nothing was read (cancelled or failed; the sequence is left as it was).
  virtual int ImportCsvPoints(int letter) = 0;
  // The entry window for (entry, maxIndex, mode, left), modally; mode 0 add (plane), 1
  // correct (plane), 3 add (space), 4 correct (space).
  virtual EntryWindowResult OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left) = 0;

  // After-images kept are erased (with their buttons).
  virtual void EraseAfterImages() = 0;
  // The parameter panel shows the parameters in use.
  virtual void ShowParameterPanel() = 0;
  virtual void DockNavigator() = 0;
  // The list was rebuilt: paint it.
  virtual void ListChanged() = 0;
  virtual TNavigatorPlace Place() = 0;
};
