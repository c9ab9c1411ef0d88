// The help topics of a page: for each control (0 for the page itself) the
// topic its help request opens, read from the string file when the page is
// initialised. A topic is either a help context number or a topic text.
#pragma once

#include "framework/text_store.h"

#include <memory>
#include <string>
#include <vector>

namespace kx {

class CTopicId {
public:
    static constexpr size_t kTopicCapacity = 256;

    /// Reads `key` from the store's selected section: a non-zero number is
    /// the context; otherwise the text (at most 255 code units). With
    /// keyAbsentDefault an absent key defaults to the empty text, which the
    /// diagnostic mode writes into the file.
    CTopicId(int control, std::u16string_view key, bool keyAbsentDefault, TextStore& strings);
    CTopicId(int control, std::u16string topic, int32_t context)
        : m_control(control), m_topic(std::move(topic)), m_context(context) {}

    int control() const { return m_control; }
    const std::u16string& topic() const { return m_topic; }
    int32_t context() const { return m_context; }

private:
    int m_control;
    std::u16string m_topic;
    int32_t m_context = 0;
};

class CHelpList {
public:
    void Add(std::unique_ptr<CTopicId> topic);
    /// The first entry for the control, or null.
    const CTopicId* Find(int control) const;
    size_t size() const { return m_topics.size(); }
    void clear() { m_topics.clear(); }

private:
    std::vector<std::unique_ptr<CTopicId>> m_topics;
};

} // namespace kx
