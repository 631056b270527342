#pragma once
// Owns an effect's parameters in the order they were added (the host's
// parameter indices and the saved-state order) and finds them by identifier.
#include <map>
#include <string>
#include <vector>

#include "AAX_IParameter.h"

class AAX_CParameterManager {
public:
    AAX_CParameterManager() = default;
    ~AAX_CParameterManager() { RemoveAllParameters(); }
    AAX_CParameterManager(const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator=(const AAX_CParameterManager&) = delete;

    void Initialize(AAX_IAutomationDelegate* delegate) { m_automation = delegate; }
    int32_t NumParameters() const { return int32_t(m_parameters.size()); }

    // Takes ownership of p; a parameter whose identifier is already taken
    // is deleted (the caller handed it over and cannot know it was refused).
    void AddParameter(AAX_IParameter* p);

    AAX_IParameter* GetParameterByID(AAX_CParamID id);
    const AAX_IParameter* GetParameterByID(AAX_CParamID id) const;
    int32_t ControlIndexFromID(AAX_CParamID id) const;
    AAX_IParameter* GetParameter(int32_t index);
    const AAX_IParameter* GetParameter(int32_t index) const;
    void RemoveAllParameters();

private:
    AAX_IAutomationDelegate* m_automation = nullptr;
    std::vector<AAX_IParameter*> m_parameters;
    std::map<std::string, AAX_IParameter*> m_byID;
};
