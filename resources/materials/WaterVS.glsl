#version 120
// The water's corners, placed as fixed-function drawing places them, and the picture's
// coordinates passed on whole.
varying vec4 pictureCoordinates;

void main()
{
    gl_Position = ftransform();
    pictureCoordinates = gl_MultiTexCoord0;
}
