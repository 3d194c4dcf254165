#include "state_entries.h"

#include "../render_states.h"
#include "call_names.h"

const char MATERIAL_ENTRY[] = "material";
const char TEXTURE_ENTRY[] = "stage 0 texture";
const char FVF_ENTRY[] = "FVF";
const char STREAM_ENTRY[] = "stream 0";
const char INDICES_ENTRY[] = "indices";

namespace {

std::string ColourValueText(const D3DCOLORVALUE& colour) {
    return "(" + FloatName(colour.r) + ", " + FloatName(colour.g) + ", " + FloatName(colour.b) +
           ", " + FloatName(colour.a) + ")";
}

std::string VectorText(const D3DVECTOR& vector) {
    return "(" + FloatName(vector.x) + ", " + FloatName(vector.y) + ", " + FloatName(vector.z) +
           ")";
}

// Collects entries, marking each against the same entry of the default state.
class Entries {
  public:
    Entries(const std::map<std::string, unsigned>& setBy) : setBy_(setBy) {}

    void Add(const std::string& name, const std::string& value, const std::string& defaultValue) {
        const auto set = setBy_.find(name);
        entries_.push_back(
            {name, value, set != setBy_.end() ? set->second : 0u, value == defaultValue});
    }
    std::vector<StateEntry> Take() { return std::move(entries_); }

  private:
    const std::map<std::string, unsigned>& setBy_;
    std::vector<StateEntry> entries_;
};

} // namespace

std::string ResourceName(const IUnknown* resource) {
    if (resource == nullptr) {
        return "NULL";
    }
    if (const Texture* texture = dynamic_cast<const Texture*>(resource)) {
        return "texture " + std::to_string(texture->serial);
    }
    if (const VertexBuffer* buffer = dynamic_cast<const VertexBuffer*>(resource)) {
        return "vertex buffer " + std::to_string(buffer->serial);
    }
    if (const IndexBuffer* buffer = dynamic_cast<const IndexBuffer*>(resource)) {
        return "index buffer " + std::to_string(buffer->serial);
    }
    return "a surface";
}

std::string TransformEntry(D3DTRANSFORMSTATETYPE state) {
    return TransformStateName(state);
}

std::string LightEntry(DWORD index) {
    return "light " + std::to_string(index);
}

std::string LightEnabledEntry(DWORD index) {
    return "light " + std::to_string(index) + " enabled";
}

std::string SamplerEntry(D3DSAMPLERSTATETYPE type) {
    return "stage 0 " + SamplerStateName(type);
}

std::string MatrixText(const D3DMATRIX& matrix) {
    std::string text = "[";
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            text += (column == 0 ? (row == 0 ? "" : "; ") : " ") + FloatName(matrix.m[row][column]);
        }
    }
    return text + "]";
}

std::string MaterialText(const D3DMATERIAL9& material) {
    return "diffuse " + ColourValueText(material.Diffuse) + ", ambient " +
           ColourValueText(material.Ambient) + ", specular " + ColourValueText(material.Specular) +
           ", emissive " + ColourValueText(material.Emissive) + ", power " +
           FloatName(material.Power);
}

std::string LightText(const D3DLIGHT9& light) {
    return LightTypeName(light.Type) + ", diffuse " + ColourValueText(light.Diffuse) +
           ", specular " + ColourValueText(light.Specular) + ", ambient " +
           ColourValueText(light.Ambient) + ", direction " + VectorText(light.Direction);
}

std::vector<StateEntry> StateEntriesOf(const Device& device,
                                       const std::map<std::string, unsigned>& setBy) {
    const DeviceState& state = device.State();
    DeviceState defaults;
    SetDefaultState(&defaults, true);
    Entries entries(setBy);

    size_t rowCount = 0;
    const RenderStateRow* rows = RenderStateRows(&rowCount);
    for (size_t i = 0; i < rowCount; ++i) {
        const D3DRENDERSTATETYPE type = rows[i].state;
        entries.Add(rows[i].name, RenderStateValueName(type, state.renderStates[type]),
                    RenderStateValueName(type, defaults.renderStates[type]));
    }
    const struct {
        D3DTRANSFORMSTATETYPE type;
        const D3DMATRIX& matrix;
        const D3DMATRIX& defaultMatrix;
    } transforms[] = {{D3DTS_WORLD, state.world, defaults.world},
                      {D3DTS_VIEW, state.view, defaults.view},
                      {D3DTS_PROJECTION, state.projection, defaults.projection}};
    for (const auto& transform : transforms) {
        entries.Add(TransformEntry(transform.type), MatrixText(transform.matrix),
                    MatrixText(transform.defaultMatrix));
    }
    for (DWORD index = 0; index < LIGHT_COUNT; ++index) {
        const LightSlot& slot = state.lights[index];
        if (slot.light.Type != 0 || slot.enabled) {
            entries.Add(LightEntry(index), LightText(slot.light), "");
            entries.Add(LightEnabledEntry(index), BooleanName(slot.enabled), "FALSE");
        }
    }
    entries.Add(MATERIAL_ENTRY, MaterialText(state.material), MaterialText(defaults.material));
    entries.Add(TEXTURE_ENTRY, ResourceName(device.BoundTexture()), "NULL");
    const struct {
        D3DSAMPLERSTATETYPE type;
        DWORD value;
        DWORD defaultValue;
    } samplers[] = {{D3DSAMP_MAGFILTER, state.magFilter, defaults.magFilter},
                    {D3DSAMP_MINFILTER, state.minFilter, defaults.minFilter},
                    {D3DSAMP_MIPFILTER, state.mipFilter, defaults.mipFilter}};
    for (const auto& sampler : samplers) {
        entries.Add(SamplerEntry(sampler.type), TextureFilterName(sampler.value),
                    TextureFilterName(sampler.defaultValue));
    }
    entries.Add(FVF_ENTRY, VertexFormatName(state.fvf), VertexFormatName(defaults.fvf));
    entries.Add(STREAM_ENTRY,
                ResourceName(device.BoundStream()) + ", offset " +
                    std::to_string(state.streamOffset) + ", stride " +
                    std::to_string(state.streamStride),
                "NULL, offset 0, stride 0");
    entries.Add(INDICES_ENTRY, ResourceName(device.BoundIndices()), "NULL");
    return entries.Take();
}
