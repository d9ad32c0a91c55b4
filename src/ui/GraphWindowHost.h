#pragma once
// What the graph window asks of the program: to end, once a close of the window has been
// accepted. The program answers; tests count the quits.
class GraphWindowHost {
 public:
  virtual ~GraphWindowHost() = default;
  virtual void QuitProgram() = 0;
};
