// Reading a page's help topics.
#include "framework/help_list.h"

#include <optional>

namespace kx {

CTopicId::CTopicId(int control, std::u16string_view key, bool keyAbsentDefault, TextStore& strings)
    : m_control(control) {
    m_context = strings.ReadNumber(key, TextStore::kNoDefault);
    if (m_context != 0)
        return;
    const std::optional<std::u16string_view> fallback =
        keyAbsentDefault ? std::optional<std::u16string_view>(u"") : std::nullopt;
    m_topic = strings.ReadText(key, kTopicCapacity, fallback);
}

void CHelpList::Add(std::unique_ptr<CTopicId> topic) {
    if (topic)
        m_topics.push_back(std::move(topic));
}

const CTopicId* CHelpList::Find(int control) const {
    for (const auto& topic : m_topics) {
        if (topic->control() == control)
            return topic.get();
    }
    return nullptr;
}

} // namespace kx
