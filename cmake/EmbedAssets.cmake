# Turns every file under the assets folder into a byte-array constant:
# 32-bit dimension count (1), 32-bit element count, then the file's bytes.
# One generated source holds them all, with a lookup by file name.
set(VORN_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_assets_script.cmake)

function(vorn_embed_assets out_var asset_dir)
  file(GLOB asset_files CONFIGURE_DEPENDS ${asset_dir}/*.jpg ${asset_dir}/*.png ${asset_dir}/*.wav
                                          ${asset_dir}/skin/*.png ${asset_dir}/skin/*.cur)
  list(SORT asset_files)
  set(output ${CMAKE_BINARY_DIR}/generated/embedded_assets.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DASSET_DIR=${asset_dir}
            -P ${VORN_EMBED_SCRIPT}
    DEPENDS ${asset_files} ${VORN_EMBED_SCRIPT}
    COMMENT "Embedding assets"
    VERBATIM)
  set(${out_var} ${output} PARENT_SCOPE)
endfunction()
