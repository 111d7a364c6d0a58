#pragma once

#include "model/CRuntimeClass.h"

class CArchive;

// Base of the classes that an archive can store and load by class name.
class CObject
{
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass *GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive &ar) = 0;
};
