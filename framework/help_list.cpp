// Reading a page's help topics.
#include "framework/help_list.h"

#include "platform/base/number.h"

#include <optional>

namespace kx {

CTopicId::CTopicId(int control, std::u16string_view key, bool keyAbsentDefault, TextStore& strings)
    : m_control(control) {
    // Only a value that is wholly a number is a context: "2up.htm" and
    // "12.5" are topic texts.
    std::u16string text = strings.ReadText(key, kTopicCapacity);
    const ParsedNumber number = ParseAutoBase(text);
    if (!text.empty() && number.consumed == text.size() && number.value != 0) {
        m_context = number.value;
        return;
    }
    if (!text.empty()) {
        m_topic = std::move(text);
        return;
    }
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
