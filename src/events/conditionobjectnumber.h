#pragma once

#include <optional>

namespace zor {

// The number the condition object-number dialog ("Номер объекта") hands to its item. "Да"
// hands the typed number; "Отмена" hands the number confirmed before, so the chooser keeps it
// from one use of the dialog to the next. Before any confirmation a cancel hands nothing and
// the item is abandoned.
class ConditionObjectNumber
{
public:
    // `confirmed` is the typed number after "Да", empty after "Отмена".
    std::optional<int> close(std::optional<int> confirmed)
    {
        if (confirmed)
            m_last = confirmed;
        return m_last;
    }

private:
    std::optional<int> m_last;
};

} // namespace zor
