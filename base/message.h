#pragma once
// Description of a small modal message window. Core routines never show
// anything: where the system shows a message they return one of these, with
// the exact texts, and the window layer presents it.

#include <string>
#include <vector>

namespace qor {

/// A piece of text in one colour ("" is the window's text colour, normally black).
struct TextRun {
    std::string text;
    std::string colour;
};

/// One line of a message's text.
struct MessageLine {
    bool centred = false;
    std::vector<TextRun> runs;
};

struct Message {
    std::string caption;             ///< window caption; "" leaves the toolkit's default
    std::string background;          ///< "red", "green", or "" for the default
    bool exclamation = false;        ///< show the exclamation icon before the text
    std::vector<MessageLine> lines;  ///< text above the button
    std::string button;              ///< label of the centred default button ('\n' breaks it)
    std::string buttonColour;        ///< text colour of the button label, "" for default

    /// The text of all lines, each line's runs joined, lines separated by '\n'.
    std::string text() const;
};

/// A message whose only control is a centred default button with the label.
Message button_message(std::string label);

/// A line of plain text.
MessageLine plain_line(std::string text, bool centred = false);

}  // namespace qor
