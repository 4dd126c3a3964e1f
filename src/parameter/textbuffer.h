#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

// An append-only byte buffer whose appends are inline and cheap: the file
// writer makes tens of thousands of small ones (most cells are one digit).
class TextBuffer
{
public:
    explicit TextBuffer(std::size_t capacity = 0) { m_bytes.resize(capacity); }

    void append(char c)
    {
        makeRoom(1);
        m_bytes[m_size++] = c;
    }
    void append(std::string_view text)
    {
        if (text.size() == 1) // the common "0" without a call to memcpy
            return append(text.front());
        makeRoom(text.size());
        std::memcpy(&m_bytes[m_size], text.data(), text.size());
        m_size += text.size();
    }
    // Room for up to size bytes written in place, then kept with commit.
    char* room(std::size_t size)
    {
        makeRoom(size);
        return &m_bytes[m_size];
    }
    void commit(std::size_t size) { m_size += size; }

    std::size_t size() const { return m_size; }
    std::string_view view() const { return std::string_view(m_bytes.data(), m_size); }
    void clear() { m_size = 0; }

private:
    void makeRoom(std::size_t size)
    {
        if (m_size + size > m_bytes.size())
            m_bytes.resize(std::max(m_bytes.size() * 2, m_size + size));
    }

    std::string m_bytes;
    std::size_t m_size = 0;
};
