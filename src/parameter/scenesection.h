#pragma once

// A range [begin, end) of byte offsets in the parameter image.
struct ByteRange
{
    int begin;
    int end;
};

// The fixed byte ranges of the parameter image that the page of one scene
// applies and cancels. Parameters of the robot part that lie between them
// belong to no page and change only with the whole image.
class SceneSection
{
public:
    // Empty for a scene without a section, including numbers outside 0..36.
    static SceneSection of(int scene);

    const ByteRange* begin() const { return m_ranges; }
    const ByteRange* end() const { return m_ranges + m_count; }
    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }

private:
    SceneSection(const ByteRange* ranges, int count) : m_ranges(ranges), m_count(count) {}

    const ByteRange* m_ranges;
    int m_count;
};
