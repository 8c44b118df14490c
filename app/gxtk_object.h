#pragma once

// Common base of the platform classes.
class gxtkObject {
public:
    virtual ~gxtkObject() = default;
};
