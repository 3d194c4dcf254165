#include "expected_calls.h"

std::vector<std::string> InitDirect3DCalls(const std::string& window, UINT vertexBytes,
                                           const std::string& fvf) {
    return Concat({{"Direct3DCreate9(D3D_SDK_VERSION)",
                    "CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, " + window +
                        ", D3DCREATE_SOFTWARE_VERTEXPROCESSING)",
                    "CreateVertexBuffer(" + std::to_string(vertexBytes) + ", 0, " + fvf +
                        ", D3DPOOL_MANAGED, null)",
                    "Lock(vb, 0, 0, 0)", "Unlock(vb)",
                    "CreateIndexBuffer(72, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, null)",
                    "Lock(ib, 0, 0, 0)", "Unlock(ib)"},
                   FixedStateCalls()});
}

std::vector<std::string> FixedStateCalls() {
    return {"SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE)",
            "SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE)", "SetTransform(D3DTS_PROJECTION, matrix)"};
}

std::vector<std::string> InitLightCalls() {
    return {"SetRenderState(D3DRS_LIGHTING, TRUE)", "SetLight(0, light)", "LightEnable(0, TRUE)",
            "SetRenderState(D3DRS_SPECULARENABLE, TRUE)"};
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const std::vector<std::string>& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}
