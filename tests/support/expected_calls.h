// Call sequences several tests expect, written as the recording platform logs them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// InitDirect3D on the named window, with a vertex buffer of the given size and format.
std::vector<std::string> InitDirect3DCalls(const std::string& window, UINT vertexBytes,
                                           const std::string& fvf);

// The states that never change, as InitDirect3D and a reset set them.
std::vector<std::string> FixedStateCalls();

// InitLight.
std::vector<std::string> InitLightCalls();

// The sequences one after the other.
std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts);
