#include "options/language_moves.h"

namespace kz::options {
namespace {

void MoveRow(std::vector<LanguageRow>& rows, std::size_t from, std::size_t to,
             const std::function<void(std::size_t)>& onMoved) {
    LanguageRow row = std::move(rows[from]);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(from));
    row.selected = true;
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(to), std::move(row));
    if (onMoved) onMoved(to);
}

}  // namespace

void MoveSelectedRows(std::vector<LanguageRow>& rows, MoveCommand command,
                      const std::function<void(std::size_t)>& onMoved) {
    const std::size_t count = rows.size();
    if (count == 0) return;
    switch (command) {
    case MoveCommand::Up:
        // Top down, so a block climbs row by row and stops below a selected row.
        for (std::size_t i = 1; i < count; ++i) {
            if (rows[i].selected && !rows[i - 1].selected) MoveRow(rows, i, i - 1, onMoved);
        }
        break;
    case MoveCommand::Down:
        for (std::size_t i = count - 1; i-- > 0;) {
            if (rows[i].selected && !rows[i + 1].selected) MoveRow(rows, i, i + 1, onMoved);
        }
        break;
    case MoveCommand::Top: {
        std::size_t gathered = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (rows[i].selected) MoveRow(rows, i, gathered++, onMoved);
        }
        break;
    }
    case MoveCommand::Bottom: {
        // A selected last row stays where it is but still counts, so the rows gathered
        // above it stand before it.
        std::size_t gathered = 0;
        for (std::size_t i = count; i-- > 0;) {
            if (!rows[i].selected) continue;
            ++gathered;
            if (i != count - 1) MoveRow(rows, i, count - gathered, onMoved);
        }
        break;
    }
    }
}

}  // namespace kz::options
