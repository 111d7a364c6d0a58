#include "graphics/CProgressSink.h"

namespace {
CProgressSink::Factory &factory()
{
    static CProgressSink::Factory f;
    return f;
}
} // namespace

void CProgressSink::SetFactory(Factory f) { factory() = std::move(f); }

std::unique_ptr<CProgressSink> CProgressSink::Create()
{
    return factory() ? factory()() : nullptr;
}
