#pragma once
#include <memory>
#include <unordered_map>

#include "render/GpuSkinnedModel.h"
#include "render/GpuStaticModel.h"

namespace dusk {

class SkinnedModel;
class StaticModel;

// The GPU copies of the models the worlds show: each model is uploaded the
// first time it is asked for and kept, together with a share of the model
// (so no other model can take its address), until the cache goes.
class GpuModels {
public:
    const GpuStaticModel& of(const std::shared_ptr<const StaticModel>& model);
    const GpuSkinnedModel& of(const std::shared_ptr<const SkinnedModel>& model);

private:
    template <typename Model, typename Gpu>
    struct Entry {
        std::shared_ptr<const Model> model;
        std::unique_ptr<Gpu> gpu;
    };
    std::unordered_map<const StaticModel*, Entry<StaticModel, GpuStaticModel>> statics;
    std::unordered_map<const SkinnedModel*, Entry<SkinnedModel, GpuSkinnedModel>> skinned;
};

}  // namespace dusk
