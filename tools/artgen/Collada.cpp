#include "Collada.h"

#include <cstdio>
#include <glm/gtc/matrix_transform.hpp>
#include <sstream>
#include <stdexcept>

namespace artgen {

namespace {

// COLLADA lists a matrix row by row; glm keeps it column by column.
void putMatrix(std::ostringstream& out, const mat4& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) out << ' ' << m[c][r];
}

void floatSource(std::ostringstream& out, const std::string& id, const std::vector<float>& values,
                 int stride, const std::vector<std::string>& params,
                 const std::string& type = "float") {
    out << "      <source id=\"" << id << "\">\n        <float_array id=\"" << id
        << "-array\" count=\"" << values.size() << "\">";
    for (size_t i = 0; i < values.size(); ++i) out << (i ? " " : "") << values[i];
    out << "</float_array>\n        <technique_common>\n          <accessor source=\"#" << id
        << "-array\" count=\"" << values.size() / stride << "\" stride=\"" << stride << "\">\n";
    for (const std::string& p : params)
        out << "            <param name=\"" << p << "\" type=\"" << type << "\"/>\n";
    out << "          </accessor>\n        </technique_common>\n      </source>\n";
}

void nameSource(std::ostringstream& out, const std::string& id,
                const std::vector<std::string>& names, const std::string& param) {
    out << "      <source id=\"" << id << "\">\n        <Name_array id=\"" << id
        << "-array\" count=\"" << names.size() << "\">";
    for (size_t i = 0; i < names.size(); ++i) out << (i ? " " : "") << names[i];
    out << "</Name_array>\n        <technique_common>\n          <accessor source=\"#" << id
        << "-array\" count=\"" << names.size() << "\" stride=\"1\">\n            <param name=\""
        << param << "\" type=\"name\"/>\n          </accessor>\n        </technique_common>\n"
        << "      </source>\n";
}

void writeHeader(std::ostringstream& out, const std::string& textureFile) {
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<COLLADA xmlns=\"http://www.collada.org/2005/11/COLLADASchema\" version=\"1.4.1\">\n"
           "  <asset>\n    <contributor><authoring_tool>Duskhollow "
           "artgen</authoring_tool></contributor>\n"
           "    <created>2000-01-01T00:00:00</created>\n    "
           "<modified>2000-01-01T00:00:00</modified>\n"
           "    <unit name=\"meter\" meter=\"1\"/>\n    <up_axis>Y_UP</up_axis>\n  </asset>\n"
           "  <library_images>\n    <image id=\"kidImage\" name=\"kidImage\"><init_from>"
        << textureFile
        << "</init_from></image>\n  </library_images>\n"
           "  <library_effects>\n    <effect id=\"kidEffect\">\n      <profile_COMMON>\n"
           "        <newparam sid=\"kidSurface\"><surface "
           "type=\"2D\"><init_from>kidImage</init_from>"
           "</surface></newparam>\n"
           "        <newparam sid=\"kidSampler\"><sampler2D><source>kidSurface</source></sampler2D>"
           "</newparam>\n"
           "        <technique sid=\"common\"><lambert><diffuse><texture texture=\"kidSampler\" "
           "texcoord=\"UVMap\"/></diffuse></lambert></technique>\n"
           "      </profile_COMMON>\n    </effect>\n  </library_effects>\n"
           "  <library_materials>\n    <material id=\"kidMaterial\" name=\"kidMaterial\">"
           "<instance_effect url=\"#kidEffect\"/></material>\n  </library_materials>\n";
}

void writeGeometry(std::ostringstream& out, const Mesh& mesh) {
    std::vector<float> pos, nor, uv;
    for (size_t v = 0; v < mesh.positions.size(); ++v) {
        for (int i = 0; i < 3; ++i) pos.push_back(mesh.positions[v][i]);
        for (int i = 0; i < 3; ++i) nor.push_back(mesh.normals[v][i]);
        uv.push_back(mesh.uvs[v].x);
        uv.push_back(mesh.uvs[v].y);
    }
    out << "  <library_geometries>\n    <geometry id=\"kidMesh\" name=\"kidMesh\">\n    <mesh>\n";
    floatSource(out, "kidMesh-positions", pos, 3, {"X", "Y", "Z"});
    floatSource(out, "kidMesh-normals", nor, 3, {"X", "Y", "Z"});
    floatSource(out, "kidMesh-uvs", uv, 2, {"S", "T"});
    out << "      <vertices id=\"kidMesh-vertices\"><input semantic=\"POSITION\" "
           "source=\"#kidMesh-positions\"/></vertices>\n"
        << "      <triangles material=\"kidMaterialSymbol\" count=\"" << mesh.triangleCount()
        << "\">\n"
        << "        <input semantic=\"VERTEX\" source=\"#kidMesh-vertices\" offset=\"0\"/>\n"
           "        <input semantic=\"NORMAL\" source=\"#kidMesh-normals\" offset=\"0\"/>\n"
           "        <input semantic=\"TEXCOORD\" source=\"#kidMesh-uvs\" offset=\"0\" set=\"0\"/>\n"
           "        <p>";
    for (size_t i = 0; i < mesh.indices.size(); ++i) out << (i ? " " : "") << mesh.indices[i];
    out << "</p>\n      </triangles>\n    </mesh>\n    </geometry>\n  </library_geometries>\n";
}

void writeController(std::ostringstream& out, const KidRig& rig) {
    std::vector<std::string> names;
    std::vector<float> inverseBinds;
    for (const Joint& j : rig.joints) {
        names.push_back(j.name);
        const mat4 inv = glm::translate(mat4(1.0f), -j.bindPosition);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) inverseBinds.push_back(inv[c][r]);
    }
    // Distinct weights go into one list; each influence points into it.
    std::vector<float> weights;
    std::ostringstream vcount, v;
    for (const Influence& inf : rig.mesh.influences) {
        int n = 0;
        for (int i = 0; i < 4; ++i) {
            if (inf.weights[i] <= 0.0f) continue;
            v << inf.joints[i] << ' ' << weights.size() << ' ';
            weights.push_back(inf.weights[i]);
            ++n;
        }
        vcount << n << ' ';
    }
    out << "  <library_controllers>\n    <controller id=\"kidSkin\" name=\"kidSkin\">\n"
           "    <skin source=\"#kidMesh\">\n      <bind_shape_matrix>1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 "
           "1"
           "</bind_shape_matrix>\n";
    nameSource(out, "kidSkin-joints", names, "JOINT");
    floatSource(out, "kidSkin-bind_poses", inverseBinds, 16, {"TRANSFORM"}, "float4x4");
    floatSource(out, "kidSkin-weights", weights, 1, {"WEIGHT"});
    out << "      <joints>\n        <input semantic=\"JOINT\" source=\"#kidSkin-joints\"/>\n"
           "        <input semantic=\"INV_BIND_MATRIX\" source=\"#kidSkin-bind_poses\"/>\n"
           "      </joints>\n"
        << "      <vertex_weights count=\"" << rig.mesh.influences.size() << "\">\n"
        << "        <input semantic=\"JOINT\" source=\"#kidSkin-joints\" offset=\"0\"/>\n"
           "        <input semantic=\"WEIGHT\" source=\"#kidSkin-weights\" offset=\"1\"/>\n"
        << "        <vcount>" << vcount.str() << "</vcount>\n        <v>" << v.str() << "</v>\n"
        << "      </vertex_weights>\n    </skin>\n    </controller>\n  </library_controllers>\n";
}

void writeAnimation(std::ostringstream& out, const KidRig& rig) {
    out << "  <library_animations>\n    <animation id=\"walk\" name=\"walk\">\n";
    for (size_t j = 0; j < rig.joints.size(); ++j) {
        const std::string id = "walk-" + rig.joints[j].name;
        std::vector<float> matrices;
        for (const mat4& m : rig.keys[j])
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 4; ++c) matrices.push_back(m[c][r]);
        floatSource(out, id + "-input", rig.keyTimes, 1, {"TIME"});
        floatSource(out, id + "-output", matrices, 16, {"TRANSFORM"}, "float4x4");
        nameSource(out, id + "-interpolation",
                   std::vector<std::string>(rig.keyTimes.size(), "LINEAR"), "INTERPOLATION");
        out << "      <sampler id=\"" << id << "-sampler\">\n"
            << "        <input semantic=\"INPUT\" source=\"#" << id << "-input\"/>\n"
            << "        <input semantic=\"OUTPUT\" source=\"#" << id << "-output\"/>\n"
            << "        <input semantic=\"INTERPOLATION\" source=\"#" << id
            << "-interpolation\"/>\n"
            << "      </sampler>\n"
            << "      <channel source=\"#" << id << "-sampler\" target=\"" << rig.joints[j].name
            << "/transform\"/>\n";
    }
    out << "    </animation>\n  </library_animations>\n";
}

void writeJointNode(std::ostringstream& out, const KidRig& rig, size_t j, int depth) {
    const std::string pad(static_cast<size_t>(depth) * 2, ' ');
    const std::string& name = rig.joints[j].name;
    out << pad << "<node id=\"" << name << "\" name=\"" << name << "\" sid=\"" << name
        << "\" type=\"JOINT\">\n"
        << pad << "  <matrix sid=\"transform\">";
    putMatrix(out, rig.bindLocal(j));
    out << "</matrix>\n";
    for (size_t c = 0; c < rig.joints.size(); ++c)
        if (rig.joints[c].parent == static_cast<int>(j)) writeJointNode(out, rig, c, depth + 1);
    out << pad << "</node>\n";
}

void writeScene(std::ostringstream& out, const KidRig& rig) {
    out << "  <library_visual_scenes>\n    <visual_scene id=\"Scene\" name=\"Scene\">\n"
           "      <node id=\"Kid\" name=\"Kid\" type=\"NODE\">\n";
    for (size_t j = 0; j < rig.joints.size(); ++j)
        if (rig.joints[j].parent < 0) writeJointNode(out, rig, j, 4);
    out << "        <node id=\"KidBody\" name=\"KidBody\" type=\"NODE\">\n"
           "          <instance_controller url=\"#kidSkin\">\n"
           "            <skeleton>#"
        << rig.joints[0].name
        << "</skeleton>\n"
           "            <bind_material><technique_common>\n"
           "              <instance_material symbol=\"kidMaterialSymbol\" "
           "target=\"#kidMaterial\">\n"
           "                <bind_vertex_input semantic=\"UVMap\" input_semantic=\"TEXCOORD\" "
           "input_set=\"0\"/>\n"
           "              </instance_material>\n"
           "            </technique_common></bind_material>\n"
           "          </instance_controller>\n        </node>\n      </node>\n"
           "    </visual_scene>\n  </library_visual_scenes>\n"
           "  <scene><instance_visual_scene url=\"#Scene\"/></scene>\n</COLLADA>\n";
}

}  // namespace

void writeCollada(const std::string& path, const KidRig& rig, const std::string& textureFile) {
    std::ostringstream out;
    out.precision(6);
    writeHeader(out, textureFile);
    writeGeometry(out, rig.mesh);
    writeController(out, rig);
    writeAnimation(out, rig);
    writeScene(out, rig);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    const std::string text = out.str();
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !ok) throw std::runtime_error("cannot finish " + path);
}

}  // namespace artgen
