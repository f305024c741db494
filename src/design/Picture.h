#pragma once

// The design's picture. The bitmap itself is decoded and held by a layer above; the
// design only carries it and hands it to whoever prints or shows it.
class Picture
{
public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};
