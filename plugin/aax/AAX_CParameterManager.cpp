#include "AAX_CParameterManager.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

void AAX_CParameterManager::AddParameter(AAX_IParameter* p)
{
    if (!p)
        return;
    std::unique_ptr<AAX_IParameter> owned(p);
    auto found = m_byID.find(p->Identifier());
    if (found != m_byID.end()) {
        if (found->second == p)
            owned.release();  // the same object twice: it is already ours
        return;
    }
    m_parameters.reserve(m_parameters.size() + 1);
    m_byID.emplace(p->Identifier(), p);
    m_parameters.push_back(owned.release());
    p->SetAutomationDelegate(m_automation);
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID id)
{
    return const_cast<AAX_IParameter*>(std::as_const(*this).GetParameterByID(id));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID(AAX_CParamID id) const
{
    if (!id)
        return nullptr;
    auto found = m_byID.find(id);
    return found == m_byID.end() ? nullptr : found->second;
}

int32_t AAX_CParameterManager::ControlIndexFromID(AAX_CParamID id) const
{
    if (!id)
        return -1;
    for (size_t i = 0; i < m_parameters.size(); ++i)
        if (m_parameters[i] && std::strcmp(m_parameters[i]->Identifier(), id) == 0)
            return int32_t(i);
    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index)
{
    return const_cast<AAX_IParameter*>(std::as_const(*this).GetParameter(index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter(int32_t index) const
{
    if (index < 0 || index >= NumParameters())
        return nullptr;
    return m_parameters[size_t(index)];
}

void AAX_CParameterManager::RemoveAllParameters()
{
    for (AAX_IParameter* p : m_parameters)
        delete p;
    m_parameters.clear();
    m_byID.clear();
}
