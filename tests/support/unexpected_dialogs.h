#pragma once

namespace korvanta::testing {

// A message box or file dialog that a test did not ask for would wait for a
// user no test run has, and hold the run until CI gives up on it. Instead it
// fails the running test at once, with its text, and is answered as Escape
// would answer it: "OK" for a message, Cancel for a file dialog.

// Behind the toolkit's seams: every message and file dialog of the program
// that no MessageRecorder or ScriptedDialogs catches.
void FailUnansweredMessagesAndDialogs();

// On the screen: every QMessageBox or QFileDialog shown while no
// AnswerNextDialog waits for one, in the application that exists now and in
// every one made later.
void FailUnansweredQtDialogs();

}  // namespace korvanta::testing
