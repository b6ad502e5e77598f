#pragma once
// The four move commands of the language list. They move every selected row: a block of
// selected rows moves up or down by one as a block and stops at the top or bottom; Move
// to Top and Move to Bottom gather the selected rows at that end in their present order.
#include <cstddef>
#include <functional>
#include <vector>

#include "options/language_row.h"

namespace kz::options {

// The index of the move button (Up, Down, Top, Bottom).
enum class MoveCommand { Up = 0, Down = 1, Top = 2, Bottom = 3 };

// Moves the selected rows. A moved row keeps its text, check box, tag and selection;
// `onMoved` hears the new position of each row as it is moved, in the order the rows
// are visited.
void MoveSelectedRows(std::vector<LanguageRow>& rows, MoveCommand command,
                      const std::function<void(std::size_t)>& onMoved);

}  // namespace kz::options
