#include "apply_state.h"

#include "translate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Direct3D puts pixel centres on integer coordinates, OpenGL half a pixel further on; the shift
// after projection uses 63/64 of that half pixel, as Wine does, so that the top-left fill rule
// still decides pixels whose centre lies exactly on an edge.
const float PIXEL_CENTRE_SHIFT = 63.0f / 64.0f;

// OpenGL takes specular exponents up to 128.
const float LARGEST_SHININESS = 128.0f;

D3DMATRIX Multiply(const D3DMATRIX& a, const D3DMATRIX& b) {
    D3DMATRIX product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            product.m[row][column] = a.m[row][0] * b.m[0][column] + a.m[row][1] * b.m[1][column] +
                                     a.m[row][2] * b.m[2][column] + a.m[row][3] * b.m[3][column];
        }
    }
    return product;
}

// Direct3D's camera space looks down +z, OpenGL's eye space down -z, which OpenGL's non-local
// viewer assumes. The modelview matrices therefore end with a mirror of z (negating column 2)
// and the projection starts with the same mirror (negating row 2): positions in clip space are
// unchanged, and lighting, all dot products of mirrored vectors, comes out the same for the
// local viewer and right for the non-local one.
D3DMATRIX MirrorZAfter(const D3DMATRIX& matrix) {
    D3DMATRIX mirrored = matrix;
    for (int row = 0; row < 4; ++row) {
        mirrored.m[row][2] = -matrix.m[row][2];
    }
    return mirrored;
}

// The projection after the z mirror, followed in clip space by the flip that keeps the back
// buffer upside down (render_target.h), the pixel-centre shift by 63/64 of half a pixel right
// and down on screen (x + kx w, -y + ky w), and Direct3D's depth range [0, w] moved to OpenGL's
// [-w, w] (z' = 2z - w), so that clipping and window depth come out as Direct3D's.
D3DMATRIX AdjustProjection(const D3DMATRIX& projection, UINT width, UINT height) {
    const float kx = PIXEL_CENTRE_SHIFT / (float)width;
    const float ky = PIXEL_CENTRE_SHIFT / (float)height;
    D3DMATRIX adjusted;
    for (int row = 0; row < 4; ++row) {
        const float mirror = row == 2 ? -1.0f : 1.0f;
        const float w = mirror * projection.m[row][3];
        adjusted.m[row][0] = mirror * projection.m[row][0] + w * kx;
        adjusted.m[row][1] = w * ky - mirror * projection.m[row][1];
        adjusted.m[row][2] = 2.0f * mirror * projection.m[row][2] - w;
        adjusted.m[row][3] = w;
    }
    return adjusted;
}

void ColourOf(D3DCOLOR colour, GLfloat rgba[4]) {
    rgba[0] = (float)((colour >> 16) & 0xFF) / 255.0f;
    rgba[1] = (float)((colour >> 8) & 0xFF) / 255.0f;
    rgba[2] = (float)(colour & 0xFF) / 255.0f;
    rgba[3] = (float)((colour >> 24) & 0xFF) / 255.0f;
}

void EnableIf(GLenum capability, bool enabled) {
    if (enabled) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void ApplyRenderStates(const DWORD* renderStates) {
    bool depthTest = false;
    TranslateDepthEnable(renderStates[D3DRS_ZENABLE], &depthTest);
    EnableIf(GL_DEPTH_TEST, depthTest);
    GLenum depthFunction = GL_LEQUAL;
    TranslateCompareFunction(renderStates[D3DRS_ZFUNC], &depthFunction);
    glDepthFunc(depthFunction);
    CullSetting cull = {false, GL_BACK};
    TranslateCullMode(renderStates[D3DRS_CULLMODE], &cull);
    EnableIf(GL_CULL_FACE, cull.enabled);
    glCullFace(cull.face);
    GLenum shadeModel = GL_SMOOTH;
    TranslateShadeMode(renderStates[D3DRS_SHADEMODE], &shadeModel);
    glShadeModel(shadeModel);
    EnableIf(GL_DITHER, renderStates[D3DRS_DITHERENABLE] != FALSE);
    EnableIf(GL_NORMALIZE, renderStates[D3DRS_NORMALIZENORMALS] != FALSE);

    const bool lighting = renderStates[D3DRS_LIGHTING] != FALSE;
    EnableIf(GL_LIGHTING, lighting);
    // Unlit vertices without a colour of their own are white, as in Direct3D.
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    GLfloat ambient[4];
    ColourOf(renderStates[D3DRS_AMBIENT], ambient);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, renderStates[D3DRS_LOCALVIEWER] != FALSE);
    // Direct3D adds the specular colour after texturing; with specular off the material's
    // specular is zeroed instead (ApplyMaterial).
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
}

// Light positions are given while MODELVIEW holds the view alone (and the mirror): OpenGL takes
// them to eye space at the call, as Direct3D takes its world-space lights through the view.
void ApplyLights(const DeviceState& state) {
    const D3DMATRIX view = MirrorZAfter(state.view);
    glLoadMatrixf(&view.m[0][0]);
    for (UINT i = 0; i < LIGHT_COUNT; ++i) {
        const GLenum light = GL_LIGHT0 + i;
        const LightSlot& slot = state.lights[i];
        EnableIf(light, slot.enabled != FALSE);
        if (!slot.enabled) {
            continue;
        }
        const D3DLIGHT9& source = slot.light;
        glLightfv(light, GL_AMBIENT, &source.Ambient.r);
        glLightfv(light, GL_DIFFUSE, &source.Diffuse.r);
        glLightfv(light, GL_SPECULAR, &source.Specular.r);
        const D3DVECTOR& d = source.Direction;
        const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        const GLfloat towardsLight[4] = {-d.x / length, -d.y / length, -d.z / length, 0.0f};
        glLightfv(light, GL_POSITION, towardsLight);
    }
}

void ApplyMaterial(const D3DMATERIAL9& material, bool specularEnabled) {
    static const GLfloat NO_SPECULAR[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, &material.Ambient.r);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, &material.Diffuse.r);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR,
                 specularEnabled ? &material.Specular.r : NO_SPECULAR);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, &material.Emissive.r);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS,
                std::min(std::max(material.Power, 0.0f), LARGEST_SHININESS));
}

void ApplyTexture(const DeviceState& state, Texture* texture) {
    if (texture == nullptr) {
        // A stage without a texture passes the lit colour through.
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture->name);
    GLint minFilter = GL_NEAREST;
    GLint magFilter = GL_NEAREST;
    TranslateMinFilter(state.minFilter, state.mipFilter, &minFilter);
    TranslateMagFilter(state.magFilter, &magFilter);
    if (texture->minFilter != minFilter) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
        texture->minFilter = minFilter;
    }
    if (texture->magFilter != magFilter) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
        texture->magFilter = magFilter;
    }
}

const void* Offset(intptr_t bytes) {
    return (const void*)bytes;
}

void ApplyVertexInput(const DeviceState& state, const DrawBindings& bindings) {
    VertexLayout layout = {false, false, 0, 0, 0};
    TranslateVertexFormat(state.fvf, &layout);
    bindings.stream->bytes.Bind(GL_ARRAY_BUFFER);
    const GLsizei stride = (GLsizei)state.streamStride;
    const intptr_t start =
        (intptr_t)state.streamOffset + (intptr_t)bindings.baseVertex * state.streamStride;
    glVertexPointer(3, GL_FLOAT, stride, Offset(start));
    if (layout.hasNormal) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, stride, Offset(start + layout.normalOffset));
    } else {
        glDisableClientState(GL_NORMAL_ARRAY);
    }
    if (layout.hasTexCoords) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, stride, Offset(start + layout.texCoordOffset));
    } else {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
}

} // namespace

void SetFixedGlState() {
    // Direct3D's front faces wind clockwise on screen, which is counter-clockwise in the
    // upside-down back buffer.
    glFrontFace(GL_CCW);
    glMatrixMode(GL_MODELVIEW);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnableClientState(GL_VERTEX_ARRAY);
}

void ApplyState(const DeviceState& state, const DrawBindings& bindings, unsigned dirty) {
    if (dirty & DIRTY_RENDER_STATES) {
        ApplyRenderStates(state.renderStates);
    }
    if (dirty & DIRTY_PROJECTION) {
        const D3DMATRIX projection =
            AdjustProjection(state.projection, bindings.targetWidth, bindings.targetHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(&projection.m[0][0]);
        glMatrixMode(GL_MODELVIEW);
    }
    if (dirty & DIRTY_LIGHTS) {
        ApplyLights(state);
    }
    if (dirty & (DIRTY_LIGHTS | DIRTY_MODELVIEW)) {
        const D3DMATRIX worldView = MirrorZAfter(Multiply(state.world, state.view));
        glLoadMatrixf(&worldView.m[0][0]);
    }
    if (dirty & DIRTY_MATERIAL) {
        ApplyMaterial(state.material, state.renderStates[D3DRS_SPECULARENABLE] != FALSE);
    }
    if (dirty & DIRTY_TEXTURE) {
        ApplyTexture(state, bindings.texture);
    }
    if (dirty & DIRTY_VERTEX_INPUT) {
        ApplyVertexInput(state, bindings);
    }
    if (dirty & DIRTY_INDICES) {
        bindings.indices->bytes.Bind(GL_ELEMENT_ARRAY_BUFFER);
    }
}
